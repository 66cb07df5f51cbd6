#pragma once

#include <QString>

// Where a paragraph's links begin and end in a markup language: adjacent runs of one hyperlink
// field form one link; other fields, and addresses not safe to follow, are plain text.
class LinkMarkup {
public:
    // open holds %1 for the escaped address.
    LinkMarkup(QString open, QString close);

    // The markup that goes before a run of this field: the end of the link before it, the
    // start of its own.
    QString before(const QString& field);
    // The markup that ends the paragraph's last link.
    QString end() { return before(QString()); }

private:
    QString m_open;
    QString m_close;
    QString m_field;
    bool m_linkOpen = false;
};
