#pragma once

#include <QIcon>

namespace tavro {

// The program's icon at every size the skin generator drew: from icons/ beside the
// program, else from the icon theme of the install prefix.
QIcon ProgramIcon();

}  // namespace tavro
