// Built only by the layering test, which expects it NOT to compile: the model links Qt
// Core and Gui only, so a widget header is out of its reach.
#include "core/NumberFormatter.h"

#include <QWidget>
