#include "support/FlatOdtReader.h"

#include <QHash>
#include <QXmlStreamReader>
#include <vector>

using namespace richtext;

namespace {

struct Style {
    QString parent;
    QHash<QString, QString> properties; // qualified attribute name -> value
};

double toTwips(QStringView length) {
    static const std::pair<const char16_t*, double> kUnits[] = {
        {u"in", 1440.0}, {u"cm", 1440.0 / 2.54}, {u"mm", 144.0 / 2.54}, {u"pt", 20.0}};
    for (const auto& [unit, factor] : kUnits) {
        if (length.endsWith(QStringView(unit)))
            return length.chopped(2).toDouble() * factor;
    }
    return 0;
}

class Reader {
public:
    explicit Reader(const QByteArray& xml) : m_xml(xml) {}

    RichDocument run() {
        while (m_xml.readNext() != QXmlStreamReader::Invalid && !m_xml.atEnd()) {
            if (!m_xml.isStartElement())
                continue;
            const QStringView name = m_xml.qualifiedName();
            if (name == u"style:font-face") {
                QString family = attribute(u"svg:font-family");
                family.remove(u'\'');
                m_fonts.insert(attribute(u"style:name"), family);
            } else if (name == u"style:style" || name == u"style:default-style") {
                readStyle(name == u"style:default-style");
            } else if (name == u"text:p" || name == u"text:h") {
                readParagraph();
            }
        }
        return std::move(m_document);
    }

private:
    QString attribute(QStringView name) const {
        for (const QXmlStreamAttribute& a : m_xml.attributes()) {
            if (a.qualifiedName() == name)
                return a.value().toString();
        }
        return {};
    }

    void readStyle(bool isDefault) {
        const QString family = attribute(u"style:family");
        const QString key =
            isDefault ? QStringLiteral("default:") + family : attribute(u"style:name");
        Style& style = m_styles[key];
        style.parent = attribute(u"style:parent-style-name");
        if (style.parent.isEmpty() && !isDefault)
            style.parent = QStringLiteral("default:") + family;
        for (int level = 1; level > 0;) {
            m_xml.readNext();
            if (m_xml.isStartElement()) {
                ++level;
                for (const QXmlStreamAttribute& a : m_xml.attributes())
                    style.properties.insert(a.qualifiedName().toString(), a.value().toString());
            } else if (m_xml.isEndElement()) {
                --level;
            } else if (m_xml.atEnd()) {
                return;
            }
        }
    }

    // The first of the given properties set along the chains of the named styles.
    std::pair<QString, QString> lookUp(const std::vector<QString>& chainStarts,
                                       std::initializer_list<const char16_t*> keys) const {
        for (const QString& start : chainStarts) {
            QString name = start;
            for (int guard = 0; !name.isEmpty() && guard < 32; ++guard) {
                const auto it = m_styles.find(name);
                if (it == m_styles.end())
                    break;
                for (const char16_t* key : keys) {
                    const auto value = it->properties.find(QString::fromUtf16(key));
                    if (value != it->properties.end())
                        return {QString::fromUtf16(key), *value};
                }
                name = it->parent;
            }
        }
        return {};
    }

    CharFormat format(const std::vector<QString>& chain) const {
        CharFormat f;
        f.face = m_fonts.value(lookUp(chain, {u"style:font-name"}).second);
        f.halfPoints = qRound(toTwips(lookUp(chain, {u"fo:font-size"}).second) / 10.0);
        const auto color = lookUp(chain, {u"style:use-window-font-color", u"fo:color"});
        if (color.first == u"fo:color")
            f.color = color.second.mid(1).toUInt(nullptr, 16);
        f.bold = lookUp(chain, {u"fo:font-weight"}).second == u"bold";
        f.italic = lookUp(chain, {u"fo:font-style"}).second == u"italic";
        const QString underline = lookUp(chain, {u"style:text-underline-style"}).second;
        f.underline = !underline.isEmpty() && underline != u"none";
        const QString strike = lookUp(chain, {u"style:text-line-through-style"}).second;
        f.strike = !strike.isEmpty() && strike != u"none";
        return f;
    }

    void readParagraph() {
        const QString paragraphStyle = attribute(u"text:style-name");
        Paragraph paragraph;
        const QString align = lookUp({paragraphStyle}, {u"fo:text-align"}).second;
        paragraph.alignment = align == u"center"                       ? Alignment::Center
                              : (align == u"end" || align == u"right") ? Alignment::Right
                                                                       : Alignment::Left;
        std::vector<QString> spans; // innermost last
        auto chain = [&] {
            std::vector<QString> names(spans.rbegin(), spans.rend());
            names.push_back(paragraphStyle);
            return names;
        };
        Image image;
        bool inImage = false;
        int frameLevel = 0; // inside a frame, text is layout whitespace or picture data
        QByteArray base64;
        for (int level = 1; level > 0;) {
            m_xml.readNext();
            if (m_xml.atEnd())
                break;
            const QStringView name = m_xml.qualifiedName();
            if (m_xml.isStartElement()) {
                ++level;
                if (name == u"text:span") {
                    spans.push_back(attribute(u"text:style-name"));
                } else if (name == u"text:s") {
                    const int count = qMax(1, attribute(u"text:c").toInt());
                    appendText(paragraph, format(chain()), QString(count, u' '));
                } else if (name == u"text:tab") {
                    appendText(paragraph, format(chain()), u"\t");
                } else if (name == u"text:line-break") {
                    appendText(paragraph, format(chain()), QStringView(&kLineBreak, 1));
                } else if (name == u"draw:frame") {
                    frameLevel = level;
                    image = Image{};
                    image.widthTwips = qRound(toTwips(attribute(u"svg:width")));
                    image.heightTwips = qRound(toTwips(attribute(u"svg:height")));
                } else if (name == u"draw:image") {
                    image.kind = attribute(u"draw:mime-type") == u"image/jpeg" ? Image::Kind::Jpeg
                                                                               : Image::Kind::Png;
                } else if (name == u"office:binary-data") {
                    inImage = true;
                    base64.clear();
                }
            } else if (m_xml.isEndElement()) {
                if (level == frameLevel)
                    frameLevel = 0;
                --level;
                if (name == u"text:span" && !spans.empty())
                    spans.pop_back();
                if (name == u"office:binary-data") {
                    inImage = false;
                    image.data = QByteArray::fromBase64(base64);
                    appendImage(paragraph, image);
                }
            } else if (m_xml.isCharacters()) {
                if (inImage)
                    base64 += m_xml.text().toLatin1();
                else if (frameLevel == 0)
                    appendText(paragraph, format(chain()), m_xml.text());
            }
        }
        m_document.paragraphs.push_back(std::move(paragraph));
    }

    QXmlStreamReader m_xml;
    QHash<QString, QString> m_fonts;
    QHash<QString, Style> m_styles;
    RichDocument m_document;
};

} // namespace

RichDocument readFlatOdt(const QByteArray& xml) {
    return Reader(xml).run();
}
