#pragma once

class QString;
class QTextEdit;
class QWidget;
class SpellingService;

// The editor's Check Spelling command over its text control: the spelling dialog from the
// selection on, "The spelling check is complete." when it went through the whole text, and
// the caret left where the selection began. Cancel returns silently. Without words to check
// against (no usable dictionary) it shows why instead, naming the package to install.
void checkSpelling(QTextEdit& editor, SpellingService* words, const QString& whyNot,
                   QWidget* parent);
