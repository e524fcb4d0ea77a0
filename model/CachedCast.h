#pragma once

#include <typeinfo>

namespace Velmaris {

// dynamic_cast for many objects mostly of one class, as the properties of a shared cell are:
// a cast walks the class tree and compares type names, which costs more than the rest of the
// cell's work for an object, so the answer is kept for the last dynamic type seen.
template <typename To>
class CachedCast
{
public:
    template <typename From>
    const To *operator()(const From &object)
    {
        const std::type_info &type = typeid(object);
        if (&type != m_type) {
            m_type = &type;
            m_isTo = dynamic_cast<const To *>(&object) != nullptr;
        }
        // Well defined: the object's class was seen to derive from To.
        return m_isTo ? static_cast<const To *>(&object) : nullptr;
    }

private:
    const std::type_info *m_type = nullptr;
    bool m_isTo = false;
};

} // namespace Velmaris
