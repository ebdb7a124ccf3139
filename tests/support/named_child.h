// Finds a part of a window the Qt way, by its objectName; a part that is missing or of another type fails
// the test at once, with its name.
#pragma once

#include <QObject>
#include <QString>

#include <stdexcept>
#include <string>

namespace klaxora::testing {

// Also for parts whose class has no meta-object of its own, hence the dynamic_cast.
template <typename Part>
Part* namedChild(const QObject& parent, const char* name)
{
    auto* part = dynamic_cast<Part*>(parent.findChild<QObject*>(QString::fromLatin1(name)));
    if (part == nullptr) {
        throw std::logic_error(std::string("no part named ") + name + " of the expected type");
    }
    return part;
}

} // namespace klaxora::testing
