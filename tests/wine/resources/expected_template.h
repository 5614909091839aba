// Dialog template 2003 as the saver's resource section must hold it, encoded from the
// dialog's table of controls in the extended template format.
#pragma once

#include <string>

std::string ExpectedConfigTemplate();
