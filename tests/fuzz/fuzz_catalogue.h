#pragma once
// The shipped catalogue for the fuzz targets, loaded once.
#include "catalogue/catalogue.h"

namespace kestra::fuzz {

const Catalogue& ShippedCatalogue();

}  // namespace kestra::fuzz
