#pragma once
// Qt's own texts (the buttons and labels of its standard dialogs) in the product's language.
// Private to host/.

/// Installs Qt's Chinese translation once, when it is installed on the machine.
void EnsureQtTranslation();
