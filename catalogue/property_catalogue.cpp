#include "catalogue/property_catalogue.h"

void setUpPropertyCatalogueTable() {}
void releasePropertyCatalogueTable() {}
