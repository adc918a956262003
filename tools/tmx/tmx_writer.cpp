#include "tmx_writer.h"

#include "layer_data.h"

#include <QByteArray>
#include <QXmlStreamWriter>

#include <algorithm>


namespace tmx {
namespace {

QString qs(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
QString qs(long long value) { return QString::number(value); }

void writeProperties(QXmlStreamWriter& xml, const Properties& properties)
{
    if (properties.empty())
        return;
    xml.writeStartElement(QStringLiteral("properties"));
    for (const Property& property : properties) {
        xml.writeEmptyElement(QStringLiteral("property"));
        xml.writeAttribute(QStringLiteral("name"), qs(property.name));
        if (property.type != "string")
            xml.writeAttribute(QStringLiteral("type"), qs(property.type));
        xml.writeAttribute(QStringLiteral("value"), qs(property.value));
    }
    xml.writeEndElement();
}

void writeImage(QXmlStreamWriter& xml, const TileImage& image)
{
    xml.writeStartElement(QStringLiteral("image"));
    xml.writeAttribute(QStringLiteral("width"), qs(image.width));
    xml.writeAttribute(QStringLiteral("height"), qs(image.height));
    if (image.source.empty()) {
        xml.writeAttribute(QStringLiteral("format"), QStringLiteral("png"));
        xml.writeStartElement(QStringLiteral("data"));
        xml.writeAttribute(QStringLiteral("encoding"), QStringLiteral("base64"));
        const QByteArray png(image.png.data(), static_cast<qsizetype>(image.png.size()));
        xml.writeCharacters(QString::fromLatin1(png.toBase64()));
        xml.writeEndElement();
    } else {
        xml.writeAttribute(QStringLiteral("source"), qs(image.source));
    }
    xml.writeEndElement();
}

void writeTileset(QXmlStreamWriter& xml, const Tileset& tileset)
{
    xml.writeStartElement(QStringLiteral("tileset"));
    xml.writeAttribute(QStringLiteral("firstgid"), qs(tileset.firstGid));
    xml.writeAttribute(QStringLiteral("name"), qs(tileset.name));
    xml.writeAttribute(QStringLiteral("tilewidth"), qs(kCellPixels));
    xml.writeAttribute(QStringLiteral("tileheight"), qs(kCellPixels));
    xml.writeAttribute(QStringLiteral("tilecount"), qs(static_cast<long long>(tileset.tiles.size())));
    xml.writeAttribute(QStringLiteral("columns"), QStringLiteral("0"));
    // An image collection: each tile has a picture of its own.
    xml.writeEmptyElement(QStringLiteral("grid"));
    xml.writeAttribute(QStringLiteral("orientation"), QStringLiteral("orthogonal"));
    xml.writeAttribute(QStringLiteral("width"), QStringLiteral("1"));
    xml.writeAttribute(QStringLiteral("height"), QStringLiteral("1"));
    for (const TilesetTile& tile : tileset.tiles) {
        xml.writeStartElement(QStringLiteral("tile"));
        xml.writeAttribute(QStringLiteral("id"), qs(tile.id));
        writeProperties(xml, tile.properties);
        if (tile.image)
            writeImage(xml, *tile.image);
        xml.writeEndElement();
    }
    xml.writeEndElement();
}

void writeTileLayer(QXmlStreamWriter& xml, const TileLayer& layer)
{
    xml.writeStartElement(QStringLiteral("layer"));
    xml.writeAttribute(QStringLiteral("id"), QStringLiteral("1"));
    xml.writeAttribute(QStringLiteral("name"), qs(layer.name));
    xml.writeAttribute(QStringLiteral("width"), qs(kMapCells));
    xml.writeAttribute(QStringLiteral("height"), qs(kMapCells));
    xml.writeStartElement(QStringLiteral("data"));
    xml.writeAttribute(QStringLiteral("encoding"), QStringLiteral("csv"));
    xml.writeCharacters(QString::fromLatin1(encodeCsv(layer.gids)));
    xml.writeEndElement();
    xml.writeEndElement();
}

void writeObject(QXmlStreamWriter& xml, const MapObject& object)
{
    xml.writeStartElement(QStringLiteral("object"));
    xml.writeAttribute(QStringLiteral("id"), qs(object.id));
    if (!object.name.empty())
        xml.writeAttribute(QStringLiteral("name"), qs(object.name));
    if (!object.type.empty())
        xml.writeAttribute(QStringLiteral("type"), qs(object.type));
    xml.writeAttribute(QStringLiteral("x"), qs(numberText(object.x)));
    xml.writeAttribute(QStringLiteral("y"), qs(numberText(object.y)));
    writeProperties(xml, object.properties);
    xml.writeEmptyElement(QStringLiteral("point"));
    xml.writeEndElement();
}

void writeObjectGroup(QXmlStreamWriter& xml, const ObjectGroup& group)
{
    xml.writeStartElement(QStringLiteral("objectgroup"));
    xml.writeAttribute(QStringLiteral("id"), QStringLiteral("2"));
    xml.writeAttribute(QStringLiteral("name"), qs(group.name));
    writeProperties(xml, group.properties);
    for (const MapObject& object : group.objects)
        writeObject(xml, object);
    xml.writeEndElement();
}

std::uint32_t nextObjectId(const TiledMap& map)
{
    std::uint32_t highest = 0;
    if (map.script)
        for (const MapObject& object : map.script->objects)
            highest = std::max(highest, object.id);
    return highest + 1;
}

}  // namespace

std::string tmxBytes(const TiledMap& map)
{
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(1);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("map"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.8"));
    xml.writeAttribute(QStringLiteral("orientation"), qs(map.orientation));
    xml.writeAttribute(QStringLiteral("renderorder"), QStringLiteral("right-down"));
    xml.writeAttribute(QStringLiteral("width"), qs(map.width));
    xml.writeAttribute(QStringLiteral("height"), qs(map.height));
    xml.writeAttribute(QStringLiteral("tilewidth"), qs(map.tileWidth));
    xml.writeAttribute(QStringLiteral("tileheight"), qs(map.tileHeight));
    xml.writeAttribute(QStringLiteral("infinite"), map.infinite ? QStringLiteral("1") : QStringLiteral("0"));
    xml.writeAttribute(QStringLiteral("nextlayerid"), QStringLiteral("3"));
    xml.writeAttribute(QStringLiteral("nextobjectid"), qs(nextObjectId(map)));
    writeProperties(xml, map.properties);
    for (const Tileset& tileset : map.tilesets)
        writeTileset(xml, tileset);
    if (map.tiles)
        writeTileLayer(xml, *map.tiles);
    if (map.script)
        writeObjectGroup(xml, *map.script);
    xml.writeEndElement();
    xml.writeEndDocument();
    return bytes.toStdString();
}

}  // namespace tmx
