#pragma once
// The constant texts the property catalogue is built from, in catalogue
// order: the control types' own records, then the style records.
#include "catalogue/property_catalogue.h"

struct PropertyText {
  const char16_t* controlType;
  const char16_t* name;
  const char16_t* description;
  PropertyKind kind;
  const char16_t* choices;
  const char16_t* example;
};

int propertyTextCount();
const PropertyText& propertyTextAt(int index);
