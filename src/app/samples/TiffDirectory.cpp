#include "app/samples/TiffDirectory.h"

#include <algorithm>
#include <utility>

namespace vistello::samples {

TiffDirectory& TiffDirectory::set(TiffField field)
{
    for (TiffField& f : fields_) {
        if (f.tag() == field.tag()) {
            f = std::move(field);
            return *this;
        }
    }
    fields_.push_back(std::move(field));
    return *this;
}

TiffDirectory& TiffDirectory::append(TiffField field)
{
    fields_.push_back(std::move(field));
    return *this;
}

bool TiffDirectory::remove(uint16_t tag)
{
    const auto removed = std::erase_if(fields_, [tag](const TiffField& f) { return f.tag() == tag; });
    return removed > 0;
}

const TiffField* TiffDirectory::find(uint16_t tag) const
{
    const auto it = std::find_if(fields_.begin(), fields_.end(), [tag](const TiffField& f) { return f.tag() == tag; });
    return it == fields_.end() ? nullptr : &*it;
}

} // namespace vistello::samples
