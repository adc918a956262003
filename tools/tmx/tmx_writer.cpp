#include "tools/tmx/tmx_writer.h"

#include "tools/tmx/layer_data.h"

#include <QByteArray>

#include <algorithm>
#include <array>
#include <charconv>

namespace tmx {
namespace {

// Builds the document's text with Tiled's layout: one blank of indent per
// level, attributes in Tiled's order.
class XmlText {
public:
    explicit XmlText(std::size_t expectedSize) { text_.reserve(expectedSize); }

    std::string& text() { return text_; }
    std::string take() { return std::move(text_); }

    void open(int depth, std::string_view name)
    {
        text_.append(static_cast<std::size_t>(depth), ' ');
        text_ += '<';
        text_ += name;
    }
    void attribute(std::string_view name, std::string_view value)
    {
        text_ += ' ';
        text_ += name;
        text_ += "=\"";
        escaped(value);
        text_ += '"';
    }
    void attribute(std::string_view name, long long value)
    {
        std::array<char, 24> digits{};
        const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), value);
        attribute(name, std::string_view(digits.data(), static_cast<std::size_t>(written.ptr - digits.data())));
    }
    void endOpen() { text_ += ">\n"; }
    void endEmpty() { text_ += "/>\n"; }
    void close(int depth, std::string_view name)
    {
        text_.append(static_cast<std::size_t>(depth), ' ');
        text_ += "</";
        text_ += name;
        text_ += ">\n";
    }
    void raw(std::string_view text) { text_ += text; }

    // Values reach here escaped (byte_escapes.h); what XML itself needs
    // escaping in an attribute is done here.
    void escaped(std::string_view value)
    {
        std::size_t plain = 0;
        for (std::size_t i = 0; i < value.size(); ++i) {
            if (value[i] > '>')  // every character with an entity comes before '?'
                continue;
            const std::string_view entity = entityOf(value[i]);
            if (entity.empty())
                continue;
            text_.append(value.data() + plain, i - plain);
            text_ += entity;
            plain = i + 1;
        }
        text_.append(value.data() + plain, value.size() - plain);
    }

private:
    static std::string_view entityOf(char c)
    {
        switch (c) {
        case '&': return "&amp;";
        case '<': return "&lt;";
        case '>': return "&gt;";
        case '"': return "&quot;";
        case '\t': return "&#9;";
        case '\n': return "&#10;";
        case '\r': return "&#13;";
        default: return {};
        }
    }

    std::string text_;
};

void writeProperties(XmlText& xml, int depth, const Properties& properties)
{
    if (properties.empty())
        return;
    xml.open(depth, "properties");
    xml.endOpen();
    for (const Property& property : properties) {
        xml.open(depth + 1, "property name=\"");
        xml.escaped(property.name);
        if (property.type != "string") {
            xml.raw("\" type=\"");
            xml.escaped(property.type);
        }
        xml.raw("\" value=\"");
        xml.escaped(property.value);
        xml.raw("\"/>\n");
    }
    xml.close(depth, "properties");
}

void writeImage(XmlText& xml, int depth, const TileImage& image)
{
    xml.open(depth, "image");
    xml.attribute("width", image.width);
    xml.attribute("height", image.height);
    if (!image.source.empty()) {
        xml.attribute("source", image.source);
        return xml.endEmpty();
    }
    xml.attribute("format", "png");
    xml.endOpen();
    xml.open(depth + 1, "data");
    xml.attribute("encoding", "base64");
    xml.raw(">");
    xml.raw(QByteArray(image.png.data(), static_cast<qsizetype>(image.png.size())).toBase64().toStdString());
    xml.raw("</data>\n");
    xml.close(depth, "image");
}

void writeTileset(XmlText& xml, const Tileset& tileset)
{
    xml.open(1, "tileset");
    xml.attribute("firstgid", tileset.firstGid);
    xml.attribute("name", tileset.name);
    xml.attribute("tilewidth", formats::kTilePixels);
    xml.attribute("tileheight", formats::kTilePixels);
    xml.attribute("tilecount", static_cast<long long>(tileset.tiles.size()));
    xml.attribute("columns", 0);
    xml.endOpen();
    // An image collection: each tile has a picture of its own.
    xml.raw("  <grid orientation=\"orthogonal\" width=\"1\" height=\"1\"/>\n");
    for (const TilesetTile& tile : tileset.tiles) {
        xml.open(2, "tile");
        xml.attribute("id", tile.id);
        xml.endOpen();
        writeProperties(xml, 3, tile.properties);
        if (tile.image)
            writeImage(xml, 3, *tile.image);
        xml.close(2, "tile");
    }
    xml.close(1, "tileset");
}

void writeTileLayer(XmlText& xml, const TileLayer& layer)
{
    xml.open(1, "layer");
    xml.attribute("id", 1);
    xml.attribute("name", layer.name);
    xml.attribute("width", formats::kMapSize);
    xml.attribute("height", formats::kMapSize);
    xml.endOpen();
    xml.raw("  <data encoding=\"csv\">");
    appendCsv(xml.text(), layer.gids);
    xml.raw("</data>\n");
    xml.close(1, "layer");
}

void writeObject(XmlText& xml, const MapObject& object)
{
    xml.open(2, "object");
    xml.attribute("id", object.id);
    if (!object.name.empty())
        xml.attribute("name", object.name);
    if (!object.type.empty())
        xml.attribute("type", object.type);
    xml.attribute("x", numberText(object.x));
    xml.attribute("y", numberText(object.y));
    xml.endOpen();
    writeProperties(xml, 3, object.properties);
    xml.raw("   <point/>\n");
    xml.close(2, "object");
}

void writeObjectGroup(XmlText& xml, const ObjectGroup& group)
{
    xml.open(1, "objectgroup");
    xml.attribute("id", 2);
    xml.attribute("name", group.name);
    xml.endOpen();
    writeProperties(xml, 2, group.properties);
    for (const MapObject& object : group.objects)
        writeObject(xml, object);
    xml.close(1, "objectgroup");
}

std::uint32_t nextObjectId(const TiledMap& map)
{
    std::uint32_t highest = 0;
    if (map.script)
        for (const MapObject& object : map.script->objects)
            highest = std::max(highest, object.id);
    return highest + 1;
}

// About what the document takes: a few digits per cell, a few hundred
// bytes per tile and object.
std::size_t expectedSize(const TiledMap& map)
{
    std::size_t size = 4096 + (map.tiles ? map.tiles->gids.size() * 4 : 0);
    for (const Tileset& tileset : map.tilesets)
        size += tileset.tiles.size() * 256;
    if (map.script)
        size += (map.script->objects.size() + map.script->properties.size()) * 512;
    return size;
}

}  // namespace

std::string tmxBytes(const TiledMap& map)
{
    XmlText xml(expectedSize(map));
    xml.raw("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    xml.open(0, "map");
    xml.attribute("version", "1.8");
    xml.attribute("orientation", map.orientation);
    xml.attribute("renderorder", "right-down");
    xml.attribute("width", map.width);
    xml.attribute("height", map.height);
    xml.attribute("tilewidth", map.tileWidth);
    xml.attribute("tileheight", map.tileHeight);
    xml.attribute("infinite", map.infinite ? 1 : 0);
    xml.attribute("nextlayerid", 3);
    xml.attribute("nextobjectid", nextObjectId(map));
    xml.endOpen();
    writeProperties(xml, 1, map.properties);
    for (const Tileset& tileset : map.tilesets)
        writeTileset(xml, tileset);
    if (map.tiles)
        writeTileLayer(xml, *map.tiles);
    if (map.script)
        writeObjectGroup(xml, *map.script);
    xml.close(0, "map");
    return xml.take();
}

}  // namespace tmx
