#include "render/FigureFields.h"

#include "core/TextField.h"

std::vector<float> FigureFields::readings() const
{
    std::vector<float> values;
    values.reserve(quantities.size());
    for (const TextField* field : quantities)
        values.push_back(field ? field->floatValue() : 0.0f);
    return values;
}

bool FigureFields::unsolved(bool drawPass) const
{
    const TextField* key = drawPass && drawKey ? drawKey : layoutKey;
    return !key || key->isEditable();
}
