#include "PageValues.h"

#include <gtest/gtest.h>

std::vector<PageElement> PageArray(const OleVariant& value) {
    std::vector<PageElement> elements;
    EXPECT_EQ(value.Type(), VT_ARRAY | VT_VARIANT);
    if (value.Type() != (VT_ARRAY | VT_VARIANT)) {
        return elements;
    }
    SAFEARRAY* array = value.Get().parray;
    EXPECT_EQ(SafeArrayGetDim(array), 1u);
    LONG lower = -1;
    LONG upper = -2;
    SafeArrayGetLBound(array, 1, &lower);
    SafeArrayGetUBound(array, 1, &upper);
    EXPECT_EQ(lower, 0);
    for (LONG i = lower; i <= upper; ++i) {
        VARIANT element;
        VariantInit(&element);
        EXPECT_EQ(SafeArrayGetElement(array, &i, &element), S_OK);
        PageElement e;
        e.type = element.vt;
        if (element.vt == VT_R8) e.real = element.dblVal;
        if (element.vt == VT_I4) e.integer = element.lVal;
        elements.push_back(e);
        VariantClear(&element);
    }
    return elements;
}
