#pragma once

#include "ConfigPage.h"
#include "CvMibCatalogue.h"

// A page of the catalogue as the generic window opens it.
TConfigPageParams PageParams(const CvMibPage& page);
