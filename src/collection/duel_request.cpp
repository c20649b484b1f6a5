#include "collection/duel_request.h"
