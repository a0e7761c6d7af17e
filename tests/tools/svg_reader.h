// The SVG of conwave-frames read back with a real XML parser: the outer <svg>, the nested one that places the world
// window, and every other element with its class, attributes and text; a caption's lines are its <tspan>s. The world
// window's place on paper, and a label's extent there.
#pragma once

#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <algorithm>
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

// The viewBox (metres) placed in the viewport (millimetres), as SVG's xMidYMid meet places it.
struct Transform {
    double scale = 0, dx = 0, dy = 0;
    double x(double world) const { return world * scale + dx; }
    double y(double world) const { return world * scale + dy; }
};

inline Transform transformOf(const Element &viewport)
{
    EXPECT_EQ(viewport.a.value("preserveAspectRatio"), u"xMidYMid meet");
    const QStringList box = viewport.a.value("viewBox").toString().split(' ');
    EXPECT_EQ(box.size(), 4);
    const double vx = box.value(0).toDouble(), vy = box.value(1).toDouble();
    const double vw = box.value(2).toDouble(), vh = box.value(3).toDouble();
    const double w = viewport.number("width"), h = viewport.number("height");
    Transform t;
    t.scale = std::min(w / vw, h / vh);
    t.dx = viewport.number("x") + (w - vw * t.scale) / 2 - vx * t.scale;
    t.dy = viewport.number("y") + (h - vh * t.scale) / 2 - vy * t.scale;
    return t;
}

// A label's extent on paper [mm] with its white rim, no larger than a sans-serif face draws it: half an em per
// character (or as many em as advance says), 0.7 em above the baseline.
struct Extent {
    double left, top, right, bottom;
};

inline Extent extentOf(const Element &label, double advance = 0.5)
{
    const double size = label.number("font-size"), rim = label.number("stroke-width") / 2;
    const double width = advance * size * static_cast<double>(label.text.size());
    const QString anchor = label.a.value("text-anchor").toString();
    const double x = label.number("x"), y = label.number("y");
    const double left = anchor == u"end" ? x - width : anchor == u"middle" ? x - width / 2 : x;
    return {left - rim, y - 0.7 * size - rim, left + width + rim, y + rim};
}

} // namespace
