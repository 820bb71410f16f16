#pragma once
// Qt's own dialogs (file dialogs, standard buttons) speak Italian like the
// rest of the program.

class QCoreApplication;

namespace dvx {

// Installs Qt's Italian translations on application; false when the system
// has none, in which case Qt's dialogs keep their English texts.
bool installItalianQtTexts(QCoreApplication& application);

} // namespace dvx
