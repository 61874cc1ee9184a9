// The windows may include Qt and every layer.
#pragma once
#include <QWidget>
#include "app/Comandi.h"
