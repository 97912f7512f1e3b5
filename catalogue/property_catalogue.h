#pragma once
// The catalogue of properties per control type, built on first use.

// Library start: the table is set up empty and unbuilt.
void setUpPropertyCatalogueTable();
// Library stop: the table is released.
void releasePropertyCatalogueTable();
