#pragma once
// The items of Archivo > Idioma: the desktop's languages or one of Tarvel's, one of them
// checked; a choice is kept across starts and applied at once.

class QMenu;
class QString;

// Makes the menu's items a choice of one, the kept one checked.
void MarkLanguageItems(QMenu* menu);
// Keeps and applies the choice ("" for the desktop's languages) and checks its item; a choice
// that cannot be kept is applied all the same and the user is told why it was not kept.
void ChooseLanguage(QMenu* menu, const QString& choice);
