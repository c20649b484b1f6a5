#include "collection/deck_builder.h"
