// The SVG of conwave-frames read back with a real XML parser: the outer <svg>, the nested one that places the world
// window, and every other element with its class, attributes and text; a caption's lines are its <tspan>s.
#pragma once

#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Element {
    QString name, cls, text;
    QXmlStreamAttributes a;
    double number(const char *key) const { return a.value(key).toDouble(); }
};

struct Picture {
    Element outer, viewport;
    std::vector<Element> elements;
    QStringList caption;

    std::vector<const Element *> all(const QString &name, const QString &cls) const
    {
        std::vector<const Element *> found;
        for (const Element &e : elements)
            if (e.name == name && e.cls == cls)
                found.push_back(&e);
        return found;
    }
    QString label(const QString &cls) const
    {
        const auto found = all("text", cls);
        return found.empty() ? QString() : found.front()->text;
    }
};

Picture parse(const std::string &text)
{
    Picture picture;
    QXmlStreamReader xml(QString::fromStdString(text));
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        Element e{xml.name().toString(), xml.attributes().value("class").toString(), {}, xml.attributes()};
        if (e.name == u"svg") {
            (picture.outer.name.isEmpty() ? picture.outer : picture.viewport) = e;
            continue;
        }
        if (e.name == u"tspan")
            picture.caption.push_back(xml.readElementText());
        else if (e.name == u"text" && e.cls != u"caption")
            e.text = xml.readElementText();
        picture.elements.push_back(e);
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString() << " at line " << xml.lineNumber();
    return picture;
}

} // namespace
