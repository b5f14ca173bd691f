// A core file that reaches a widget through the Qt include root.
#include <QtWidgets/QLabel>
