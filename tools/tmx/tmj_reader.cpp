#include "tools/tmx/tmj_reader.h"

#include "tools/tmx/layer_data.h"
#include "tools/tmx/tmx_reader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <bitset>
#include <cmath>

namespace tmx {
namespace {

std::string utf8(const QString& text) { return text.toStdString(); }

std::string text(const QJsonObject& object, const char* key) { return utf8(object.value(QLatin1String(key)).toString()); }

std::string valueText(const QJsonValue& value)
{
    if (value.isBool())
        return value.toBool() ? "true" : "false";
    if (value.isDouble())
        return numberText(value.toDouble());
    return utf8(value.toString());
}

// Reads the document's members into a TiledMap; the first problem met
// stops every step after it.
class TmjReader {
public:
    tervok::Result<TiledMap> read(const QJsonObject& root)
    {
        readMap(root);
        if (!problem_.empty())
            return tervok::formatError(problem_);
        return std::move(map_);
    }

private:
    bool failed() const { return !problem_.empty(); }

    void fail(std::string problem)
    {
        if (problem_.empty())
            problem_ = std::move(problem);
    }

    // A whole number, or fallback when the member is missing.
    std::int64_t integer(const QJsonObject& object, const char* key, std::int64_t fallback, const std::string& owner)
    {
        const QJsonValue value = object.value(QLatin1String(key));
        if (value.isUndefined() || value.isNull())
            return fallback;
        const double number = value.toDouble(std::nan(""));
        if (!value.isDouble() || std::trunc(number) != number || std::abs(number) > 9.0e15) {
            fail("the " + std::string(key) + " of " + owner + " is no whole number");
            return fallback;
        }
        return static_cast<std::int64_t>(number);
    }

    QJsonArray list(const QJsonObject& object, const char* key, const std::string& owner)
    {
        const QJsonValue value = object.value(QLatin1String(key));
        if (value.isUndefined() || value.isNull())
            return {};
        if (!value.isArray()) {
            fail("the " + std::string(key) + " of " + owner + " is no list");
            return {};
        }
        QJsonArray array = value.toArray();
        if (static_cast<std::size_t>(array.size()) > kMaxListEntries) {
            fail("more than " + std::to_string(kMaxListEntries) + " " + key + " in " + owner);
            return {};
        }
        return array;
    }

    Properties readProperties(const QJsonObject& owner, const std::string& ownerName)
    {
        Properties properties;
        for (const QJsonValue& entry : list(owner, "properties", ownerName)) {
            const QJsonObject json = entry.toObject();
            Property property;
            property.name = text(json, "name");
            if (json.contains(QLatin1String("type")))
                property.type = text(json, "type");
            property.value = valueText(json.value(QLatin1String("value")));
            properties.push_back(std::move(property));
        }
        return properties;
    }

    void readMap(const QJsonObject& root)
    {
        const QString type = root.value(QLatin1String("type")).toString(QStringLiteral("map"));
        if (type != u"map")
            return fail("the document is no Tiled map but a " + utf8(type));
        map_.orientation = text(root, "orientation");
        map_.width = integer(root, "width", 0, "the map");
        map_.height = integer(root, "height", 0, "the map");
        map_.tileWidth = integer(root, "tilewidth", 0, "the map");
        map_.tileHeight = integer(root, "tileheight", 0, "the map");
        const QJsonValue infinite = root.value(QLatin1String("infinite"));
        map_.infinite = infinite.isBool() ? infinite.toBool() : infinite.toDouble(0) != 0;
        if (failed())
            return;
        if (const std::optional<std::string> problem = frameProblem(map_))
            return fail(*problem);
        map_.properties = readProperties(root, "the map");
        for (const QJsonValue& tileset : list(root, "tilesets", "the map"))
            if (!failed())
                readTileset(tileset.toObject());
        for (const QJsonValue& layer : list(root, "layers", "the map"))
            if (!failed())
                readLayer(layer.toObject());
        if (!failed() && !map_.tiles)
            fail("the map has no tile layer");
    }

    void readTileset(const QJsonObject& json)
    {
        Tileset tileset;
        const std::int64_t firstGid = integer(json, "firstgid", 0, "a tileset");
        if (!failed() && (firstGid < 1 || firstGid > static_cast<std::int64_t>(~kGidFlagBits)))
            return fail("a tileset's firstgid must be 1 or more, not " + std::to_string(firstGid));
        tileset.firstGid = static_cast<std::uint32_t>(firstGid);
        tileset.name = text(json, "name");
        tileset.source = text(json, "source");
        if (tileset.firstGid == 1)
            readGameTiles(json, tileset);
        map_.tilesets.push_back(std::move(tileset));
    }

    void readGameTiles(const QJsonObject& json, Tileset& tileset)
    {
        std::bitset<kGameTiles> seen;
        for (const QJsonValue& tile : list(json, "tiles", "the tileset")) {
            const std::int64_t id = integer(tile.toObject(), "id", -1, "a tile");
            if (failed())
                return;
            if (id < 0 || id >= static_cast<std::int64_t>(kGameTiles))
                return fail("the tileset's tile " + std::to_string(id) + " is none of the game's tile numbers, 0 to 100");
            if (!seen.test(static_cast<std::size_t>(id))) {
                seen.set(static_cast<std::size_t>(id));
                tileset.tiles.push_back(TilesetTile{id, {}, std::nullopt});
            }
        }
    }

    // Group layers nest as deep as the JSON parser lets them.
    void readLayer(const QJsonObject& json)
    {
        const QString type = json.value(QLatin1String("type")).toString();
        if (type == u"tilelayer")
            readTileLayer(json);
        else if (type == u"objectgroup" && json.value(QLatin1String("name")).toString() == QLatin1String(kScriptGroupName))
            readScript(json);
        else if (type == u"group")
            for (const QJsonValue& layer : list(json, "layers", "a group layer"))
                if (!failed())
                    readLayer(layer.toObject());
    }

    void readTileLayer(const QJsonObject& json)
    {
        if (map_.tiles)
            return fail("the map has more than one tile layer");
        TileLayer layer;
        layer.name = text(json, "name");
        const std::int64_t width = integer(json, "width", formats::kMapSize, "the tile layer");
        const std::int64_t height = integer(json, "height", formats::kMapSize, "the tile layer");
        if (!failed() && (width != formats::kMapSize || height != formats::kMapSize))
            return fail("the tile layer is " + std::to_string(width) + " x " + std::to_string(height) +
                        " cells, not 100 x 100");
        if (json.contains(QLatin1String("chunks")))
            return fail("the tile layer is stored in chunks, as only infinite maps are");
        tervok::Result<Gids> gids = layerGids(json);
        if (!gids)
            return fail(gids.error().detail);
        layer.gids = std::move(*gids);
        map_.tiles = std::move(layer);
    }

    static tervok::Result<Gids> layerGids(const QJsonObject& json)
    {
        const QJsonValue data = json.value(QLatin1String("data"));
        if (data.isArray())
            return arrayGids(data.toArray());
        if (!data.isString())
            return tervok::formatError("the tile layer holds no data");
        const std::string encoding = text(json, "encoding");
        if (encoding != "base64")
            return tervok::formatError("the layer data is encoded as '" + encoding + "', not as base64");
        return decodeBase64(utf8(data.toString()), text(json, "compression"));
    }

    static tervok::Result<Gids> arrayGids(const QJsonArray& data)
    {
        if (static_cast<std::size_t>(data.size()) != kLayerCells)
            return wrongCellCount(static_cast<std::size_t>(data.size()));
        Gids gids(kLayerCells);
        for (std::size_t i = 0; i < kLayerCells; ++i) {
            const QJsonValue value = data.at(static_cast<qsizetype>(i));
            const double number = value.toDouble(-1);
            if (!value.isDouble() || number < 0 || number > 4294967295.0 || std::trunc(number) != number)
                return tervok::formatError("cell " + std::to_string(i + 1) + " of the layer data is no tile number");
            gids[i] = static_cast<std::uint32_t>(number);
        }
        return gids;
    }

    void readScript(const QJsonObject& json)
    {
        if (map_.script)
            return fail("two object groups are named script");
        ObjectGroup group;
        group.name = kScriptGroupName;
        group.properties = readProperties(json, "the script");
        for (const QJsonValue& entry : list(json, "objects", "the script"))
            if (!failed())
                group.objects.push_back(readObject(entry.toObject()));
        map_.script = std::move(group);
    }

    MapObject readObject(const QJsonObject& json)
    {
        MapObject object;
        const std::int64_t id = integer(json, "id", 0, "an object");
        object.id = id > 0 && id <= 0xFFFFFFFF ? static_cast<std::uint32_t>(id) : 0;
        const std::string owner = "object " + std::to_string(object.id);
        object.name = text(json, "name");
        object.type = text(json, "type");
        if (object.type.empty())
            object.type = text(json, "class");
        const QJsonValue x = json.value(QLatin1String("x"));
        const QJsonValue y = json.value(QLatin1String("y"));
        if ((!x.isUndefined() && !x.isDouble()) || (!y.isUndefined() && !y.isDouble()))
            fail("the position of " + owner + " is no number");
        object.x = x.toDouble(0);
        object.y = y.toDouble(0);
        // A tile object carries a gid; only "point": true makes a point.
        object.point = json.value(QLatin1String("point")).toBool(false) && !json.contains(QLatin1String("gid"));
        object.properties = readProperties(json, owner);
        return object;
    }

    TiledMap map_;
    std::string problem_;
};

}  // namespace

tervok::Result<TiledMap> readTmj(std::string_view bytes)
{
    QJsonParseError error{};
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())), &error);
    if (error.error != QJsonParseError::NoError)
        return tervok::formatErrorAtOffset(static_cast<std::size_t>(error.offset),
                                           "not well-formed JSON: " + utf8(error.errorString()));
    if (!document.isObject())
        return tervok::formatError("the document is no Tiled map: it is no JSON object");
    return TmjReader().read(document.object());
}

}  // namespace tmx
