#include "tools/tmx/tmj_writer.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace tmx {
namespace {

QString qs(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QJsonValue propertyValue(const Property& property)
{
    if (property.type == "bool")
        return property.value == "true";
    if (property.type == "int" || property.type == "float")
        return QString::fromStdString(property.value).toDouble();
    return qs(property.value);
}

QJsonArray propertiesJson(const Properties& properties)
{
    QJsonArray list;
    for (const Property& property : properties)
        list.append(QJsonObject{{"name", qs(property.name)}, {"type", qs(property.type)}, {"value", propertyValue(property)}});
    return list;
}

void addProperties(QJsonObject& object, const Properties& properties)
{
    if (!properties.empty())
        object.insert("properties", propertiesJson(properties));
}

QJsonObject tileJson(const TilesetTile& tile)
{
    QJsonObject json{{"id", static_cast<qint64>(tile.id)}};
    if (tile.image && !tile.image->source.empty()) {
        json.insert("image", qs(tile.image->source));
        json.insert("imagewidth", tile.image->width);
        json.insert("imageheight", tile.image->height);
    }
    addProperties(json, tile.properties);
    return json;
}

QJsonObject tilesetJson(const Tileset& tileset)
{
    QJsonArray tiles;
    for (const TilesetTile& tile : tileset.tiles)
        tiles.append(tileJson(tile));
    return QJsonObject{
        {"columns", 0},
        {"firstgid", static_cast<qint64>(tileset.firstGid)},
        {"grid", QJsonObject{{"height", 1}, {"orientation", "orthogonal"}, {"width", 1}}},
        {"margin", 0},
        {"name", qs(tileset.name)},
        {"spacing", 0},
        {"tilecount", static_cast<qint64>(tileset.tiles.size())},
        {"tileheight", formats::kTilePixels},
        {"tiles", tiles},
        {"tilewidth", formats::kTilePixels},
    };
}

QJsonObject tileLayerJson(const TileLayer& layer)
{
    QJsonArray data;
    for (const std::uint32_t gid : layer.gids)
        data.append(static_cast<qint64>(gid));
    return QJsonObject{
        {"data", data},   {"height", formats::kMapSize}, {"id", 1}, {"name", qs(layer.name)}, {"opacity", 1},
        {"type", "tilelayer"}, {"visible", true}, {"width", formats::kMapSize}, {"x", 0}, {"y", 0},
    };
}

QJsonObject objectJson(const MapObject& object)
{
    QJsonObject json{
        {"height", 0}, {"id", static_cast<qint64>(object.id)}, {"name", qs(object.name)}, {"point", true},
        {"rotation", 0}, {"type", qs(object.type)}, {"visible", true}, {"width", 0},
        {"x", object.x}, {"y", object.y},
    };
    addProperties(json, object.properties);
    return json;
}

QJsonObject objectGroupJson(const ObjectGroup& group)
{
    QJsonArray objects;
    for (const MapObject& object : group.objects)
        objects.append(objectJson(object));
    QJsonObject json{
        {"draworder", "topdown"}, {"id", 2}, {"name", qs(group.name)}, {"objects", objects}, {"opacity", 1},
        {"type", "objectgroup"}, {"visible", true}, {"x", 0}, {"y", 0},
    };
    addProperties(json, group.properties);
    return json;
}

qint64 nextObjectId(const TiledMap& map)
{
    qint64 highest = 0;
    if (map.script)
        for (const MapObject& object : map.script->objects)
            highest = std::max<qint64>(highest, object.id);
    return highest + 1;
}

}  // namespace

std::string tmjBytes(const TiledMap& map)
{
    QJsonArray layers;
    if (map.tiles)
        layers.append(tileLayerJson(*map.tiles));
    if (map.script)
        layers.append(objectGroupJson(*map.script));
    QJsonArray tilesets;
    for (const Tileset& tileset : map.tilesets)
        tilesets.append(tilesetJson(tileset));
    QJsonObject json{
        {"compressionlevel", -1},
        {"height", static_cast<qint64>(map.height)},
        {"infinite", map.infinite},
        {"layers", layers},
        {"nextlayerid", 3},
        {"nextobjectid", nextObjectId(map)},
        {"orientation", qs(map.orientation)},
        {"renderorder", "right-down"},
        {"tileheight", static_cast<qint64>(map.tileHeight)},
        {"tilesets", tilesets},
        {"tilewidth", static_cast<qint64>(map.tileWidth)},
        {"type", "map"},
        {"version", "1.8"},
        {"width", static_cast<qint64>(map.width)},
    };
    addProperties(json, map.properties);
    return QJsonDocument(json).toJson(QJsonDocument::Indented).toStdString();
}

}  // namespace tmx
