#include "dialogs/StandInDialogs.h"

#include "dialogs/DialogChecks.h"
#include "dialogs/DisplayFormats.h"
#include "dialogs/FormDialog.h"
#include "dialogs/NewJournalPath.h"
#include "platform/ControlId.h"
#include "platform/TextEncoding.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimeEdit>

namespace {

QString latin(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QLineEdit* addEdit(FormDialog& dialog, const QString& label, const std::string& value, int id) {
    auto* edit = new QLineEdit(storedToText(value), &dialog);
    if (id > 0)
        setControlId(edit, id);
    dialog.form()->addRow(label, edit);
    return edit;
}

QCheckBox* addCheck(FormDialog& dialog, const QString& label, bool value) {
    auto* box = new QCheckBox(label, &dialog);
    box->setChecked(value);
    dialog.form()->addRow(QString(), box);
    return box;
}

// Date and time formats as the finished dialogs offer them: a list of examples and a choice
// of 12 hour, 24 hour or no time.
struct FormatFields {
    QComboBox* date;
    QComboBox* time;
};

FormatFields addFormats(FormDialog& dialog, const std::string& dateFormat,
                        const std::string& timeFormat) {
    FormatFields fields{new QComboBox(&dialog), new QComboBox(&dialog)};
    for (const DateFormatChoice& choice : kDateFormats)
        fields.date->addItem(latin(choice.label), latin(choice.format));
    fields.date->setCurrentIndex(static_cast<int>(dateFormatIndex(dateFormat).value_or(0)));
    for (const QString& label :
         {QStringLiteral("12 hour"), QStringLiteral("24 hour"), QStringLiteral("No time")})
        fields.time->addItem(label);
    fields.time->setCurrentIndex(timeFormatIndex(timeFormat));
    dialog.form()->addRow(QStringLiteral("Date format"), fields.date);
    dialog.form()->addRow(QStringLiteral("Time format"), fields.time);
    return fields;
}

struct FontFields {
    QComboBox* face;
    QComboBox* size;
};

FontFields addFont(FormDialog& dialog, const std::string& face, int size) {
    FontFields fields{new QComboBox(&dialog), new QComboBox(&dialog)};
    const QStringList families = QFontDatabase::families();
    for (const QString& family : families) {
        if (QFontDatabase::isScalable(family))
            fields.face->addItem(family);
    }
    const QString current = storedToText(face);
    if (fields.face->findText(current) < 0)
        fields.face->addItem(current);
    fields.face->setCurrentText(current);
    for (int choice : kFontSizes)
        fields.size->addItem(QString::number(choice), choice);
    const int index = fields.size->findData(size);
    fields.size->setCurrentIndex(index >= 0 ? index : fields.size->findData(12));
    dialog.form()->addRow(QStringLiteral("Default font"), fields.face);
    dialog.form()->addRow(QStringLiteral("Font size"), fields.size);
    return fields;
}

// The fields both journal dialogs share: title, owner, display formats and default font.
struct SettingsFields {
    QLineEdit* title;
    QLineEdit* owner;
    FormatFields formats;
    FontFields font;

    template <class Values> void readInto(Values& values) const {
        values.m_title = textToStored(title->text());
        values.m_owner = textToStored(owner->text());
        values.m_dateFormat = formats.date->currentData().toString().toStdString();
        values.m_timeFormat = std::string(timeFormatForIndex(formats.time->currentIndex()));
        values.m_fontName = textToStored(font.face->currentText());
        values.m_fontSize = font.size->currentData().toInt();
    }
};

template <class Values> SettingsFields addSettingsFields(FormDialog& dialog, const Values& values) {
    QLineEdit* title = addEdit(dialog, QStringLiteral("Title"), values.m_title, kTitleEditId);
    QLineEdit* owner = addEdit(dialog, QStringLiteral("Owner"), values.m_owner, kOwnerEditId);
    const FormatFields formats = addFormats(dialog, values.m_dateFormat, values.m_timeFormat);
    const FontFields font = addFont(dialog, values.m_fontName, values.m_fontSize);
    return SettingsFields{title, owner, formats, font};
}

} // namespace

bool runNewJournalStandIn(QWidget* parent, NewJournalValues& values) {
    FormDialog dialog(QStringLiteral("New Journal"), parent);
    dialog.setObjectName(QStringLiteral("newJournalDialog"));
    const SettingsFields fields = addSettingsFields(dialog, values);
    QCheckBox* prompt =
        addCheck(dialog, QStringLiteral("Prompt for a comment"), values.m_bPromptForComment);
    QCheckBox* firstLine =
        addCheck(dialog, QStringLiteral("Show first line"), values.m_bShowFirstLine);
    QCheckBox* protect =
        addCheck(dialog, QStringLiteral("Password protected"), values.m_bPasswordProtected);
    QLineEdit* password =
        addEdit(dialog, QStringLiteral("Password"), values.m_password, kNewPasswordEditId);
    QLineEdit* confirm =
        addEdit(dialog, QStringLiteral("Confirm password"), values.m_confirmPassword, 0);
    for (QLineEdit* edit : {password, confirm}) {
        edit->setEchoMode(QLineEdit::Password);
        edit->setEnabled(protect->isChecked());
        QObject::connect(protect, &QCheckBox::toggled, edit, &QWidget::setEnabled);
    }

    auto* location = new QLineEdit(QFile::decodeName(values.m_path.c_str()), &dialog);
    location->setObjectName(QStringLiteral("journalLocation"));
    auto* browse = new QPushButton(QStringLiteral("Browse..."), &dialog);
    setControlId(browse, kBrowseButtonId);
    auto* row = new QHBoxLayout;
    row->addWidget(location);
    row->addWidget(browse);
    dialog.form()->addRow(QStringLiteral("File"), row);

    NewJournalValues typed = values;
    auto read = [&] {
        fields.readInto(typed);
        typed.m_bPromptForComment = prompt->isChecked();
        typed.m_bShowFirstLine = firstLine->isChecked();
        typed.m_bPasswordProtected = protect->isChecked();
        typed.m_password = protect->isChecked() ? textToStored(password->text()) : std::string();
        typed.m_confirmPassword =
            protect->isChecked() ? textToStored(confirm->text()) : std::string();
        typed.m_path = QFile::encodeName(location->text()).toStdString();
        typed.m_fileName = QFile::encodeName(QFileInfo(location->text()).fileName()).toStdString();
    };
    // The file name follows the title while it still has the default name.
    QObject::connect(fields.title, &QLineEdit::editingFinished, &dialog, [&] {
        read();
        proposeFileName(typed);
        location->setText(QFile::decodeName(typed.m_path.c_str()));
    });
    QObject::connect(browse, &QPushButton::clicked, &dialog, [&] {
        const QString chosen =
            QFileDialog::getSaveFileName(&dialog, QStringLiteral("New Journal"), location->text(),
                                         QStringLiteral("Journal files (*.qbk)"));
        if (!chosen.isEmpty())
            location->setText(chosen);
    });
    dialog.setCheck([&] {
        read();
        return checkNewJournal(typed);
    });
    if (dialog.exec() != QDialog::Accepted)
        return false;
    read();
    values = typed;
    return true;
}

bool runOptionsStandIn(QWidget* parent, OptionsValues& values) {
    FormDialog dialog(QStringLiteral("Journal Options"), parent);
    dialog.setObjectName(QStringLiteral("optionsDialog"));
    const SettingsFields fields = addSettingsFields(dialog, values);
    QLineEdit* location = addEdit(dialog, QStringLiteral("Location"), values.m_location, 0);
    location->setReadOnly(true);
    QCheckBox* firstLine =
        addCheck(dialog, QStringLiteral("Show first line"), values.m_bShowFirstLine);
    QCheckBox* prompt =
        addCheck(dialog, QStringLiteral("Prompt for a comment"), values.m_bPromptForComment);
    QCheckBox* entryMove =
        addCheck(dialog, QStringLiteral("Confirm entry moves"), values.m_bConfirmEntryMove);
    QCheckBox* folderMove =
        addCheck(dialog, QStringLiteral("Confirm folder moves"), values.m_bConfirmFolderMove);

    OptionsValues typed = values;
    auto read = [&] {
        fields.readInto(typed);
        typed.m_bShowFirstLine = firstLine->isChecked();
        typed.m_bPromptForComment = prompt->isChecked();
        typed.m_bConfirmEntryMove = entryMove->isChecked();
        typed.m_bConfirmFolderMove = folderMove->isChecked();
    };
    dialog.setCheck([&] {
        read();
        return checkOptions(typed);
    });
    if (dialog.exec() != QDialog::Accepted)
        return false;
    read();
    values = typed;
    return true;
}

bool runCommentStandIn(QWidget* parent, CommentValues& values) {
    FormDialog dialog(QStringLiteral("Comment"), parent);
    dialog.setObjectName(QStringLiteral("commentDialog"));
    QLineEdit* comment =
        addEdit(dialog, QStringLiteral("Comment"), values.m_comment, kCommentEditId);
    QCheckBox* always =
        addCheck(dialog, QStringLiteral("Always prompt for a comment"), values.m_bAlwaysPrompt);
    dialog.setCheck([&] {
        return checkComment(CommentValues{textToStored(comment->text()), always->isChecked()});
    });
    if (dialog.exec() != QDialog::Accepted)
        return false;
    values.m_comment = textToStored(comment->text());
    values.m_bAlwaysPrompt = always->isChecked();
    return true;
}

bool runChangeDateStandIn(QWidget* parent, ChangeDateValues& values) {
    FormDialog dialog(QStringLiteral("Change Entry Date"), parent);
    dialog.setObjectName(QStringLiteral("changeDateDialog"));
    auto* date = new QDateEdit(values.m_date, &dialog);
    date->setCalendarPopup(true);
    auto* time = new QTimeEdit(values.m_time, &dialog);
    dialog.form()->addRow(QStringLiteral("Date"), date);
    dialog.form()->addRow(QStringLiteral("Time"), time);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    values.m_date = date->date();
    values.m_time = time->time();
    values.m_result = combineDateAndTime(values.m_date, values.m_time);
    return true;
}
