#pragma once

#include <QByteArray>
#include <QString>

#include <initializer_list>

// Some of our pictures carry words (a welcome, a slogan). This gives the SVG with each listed
// text element's words replaced by their translation in the context, so the picture speaks
// the user's language; empty when the picture cannot be read.
QByteArray translatedSvg(const QString& resource, const char* context,
                         std::initializer_list<const char*> texts);
