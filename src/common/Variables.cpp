#include "common/Variables.h"

VendorArrays Vendors;

void ResetVariables() {
    Vendors = VendorArrays();
}
