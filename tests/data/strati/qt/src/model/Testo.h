// Qt outside the windows.
#pragma once
#include <QString>
