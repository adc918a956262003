#include "tools/tmx/tmx_reader.h"

#include "tools/tmx/layer_data.h"

#include <QByteArray>
#include <QXmlStreamReader>

#include <bitset>

namespace tmx {
namespace {

std::string utf8(QStringView text)
{
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

class TmxReader {
public:
    explicit TmxReader(std::string_view bytes)
        : data_(QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()))), xml_(data_)
    {
    }

    tervok::Result<TiledMap> read()
    {
        bool mapSeen = false;
        while (!xml_.atEnd()) {
            const QXmlStreamReader::TokenType token = xml_.readNext();
            if (token == QXmlStreamReader::DTD)
                checkDtd();
            else if (token == QXmlStreamReader::StartElement && !mapSeen) {
                mapSeen = true;
                readMap();
            }
        }
        if (xml_.hasError())
            return failure();
        if (!mapSeen)
            return tervok::formatError("no <map> element");
        return std::move(map_);
    }

private:
    tervok::Error failure() const
    {
        const std::size_t line = static_cast<std::size_t>(xml_.lineNumber());
        std::string detail = utf8(xml_.errorString());
        if (xml_.error() != QXmlStreamReader::CustomError)
            detail = "not well-formed XML: " + detail;
        return tervok::formatErrorAtLine(line, std::move(detail));
    }

    void fail(const std::string& detail) { xml_.raiseError(QString::fromStdString(detail)); }
    bool failed() const { return xml_.hasError(); }
    std::size_t line() const { return static_cast<std::size_t>(xml_.lineNumber()); }

    QStringView attribute(const char* name) const { return xml_.attributes().value(QLatin1StringView(name)); }
    bool hasAttribute(const char* name) const { return xml_.attributes().hasAttribute(QLatin1StringView(name)); }

    // A whole number attribute; missing gives fallback, anything else that
    // is no number fails.
    std::int64_t integer(const char* name, std::int64_t fallback)
    {
        const QStringView text = attribute(name);
        if (text.isEmpty())
            return fallback;
        bool ok = false;
        const qlonglong value = text.toLongLong(&ok);
        if (!ok)
            fail("the " + std::string(name) + " of <" + utf8(xml_.name()) + "> is no whole number: '" +
                 utf8(text.left(20)) + "'");
        return value;
    }

    double decimal(const char* name)
    {
        const QStringView text = attribute(name);
        if (text.isEmpty())
            return 0;
        bool ok = false;
        const double value = text.toDouble(&ok);
        if (!ok)
            fail("the " + std::string(name) + " of <" + utf8(xml_.name()) + "> is no number: '" + utf8(text.left(20)) + "'");
        return value;
    }

    void checkDtd()
    {
        if (!xml_.entityDeclarations().isEmpty() || xml_.text().contains(u"<!ENTITY"))
            fail("the document type declares entities; a TMX map needs none, and they are not read");
    }

    void readMap()
    {
        if (xml_.name() != u"map")
            return fail("the document is no TMX map: its root element is <" + utf8(xml_.name()) + ">");
        map_.orientation = utf8(attribute("orientation"));
        map_.width = integer("width", 0);
        map_.height = integer("height", 0);
        map_.tileWidth = integer("tilewidth", 0);
        map_.tileHeight = integer("tileheight", 0);
        map_.infinite = integer("infinite", 0) != 0;
        if (failed())
            return;
        if (const std::optional<std::string> problem = frameProblem(map_))
            return fail(*problem);
        while (!failed() && xml_.readNextStartElement()) {
            if (xml_.name() == u"properties")
                map_.properties = readProperties();
            else if (xml_.name() == u"tileset")
                readTileset();
            else
                readLayer();
        }
        if (!failed() && !map_.tiles)
            fail("the map has no tile layer");
    }

    // Layers, also inside group layers.
    void readLayer()
    {
        if (xml_.name() == u"layer")
            readTileLayer();
        else if (xml_.name() == u"objectgroup")
            readObjectGroup();
        else if (xml_.name() == u"group")
            while (!failed() && xml_.readNextStartElement())
                readLayer();
        else
            xml_.skipCurrentElement();
    }

    Properties readProperties()
    {
        Properties properties;
        while (!failed() && xml_.readNextStartElement()) {
            if (xml_.name() != u"property") {
                xml_.skipCurrentElement();
                continue;
            }
            if (properties.size() == kMaxListEntries) {
                fail("more than " + std::to_string(kMaxListEntries) + " properties in one list");
                break;
            }
            Property property;
            property.name = utf8(attribute("name"));
            const QStringView type = attribute("type");
            if (!type.isEmpty())
                property.type = utf8(type);
            if (hasAttribute("value")) {
                property.value = utf8(attribute("value"));
                xml_.skipCurrentElement();
            } else {
                // Tiled writes a text with line ends as the element's content.
                property.value = utf8(xml_.readElementText(QXmlStreamReader::SkipChildElements));
            }
            properties.push_back(std::move(property));
        }
        return properties;
    }

    void readTileset()
    {
        Tileset tileset;
        tileset.line = line();
        const std::int64_t firstGid = integer("firstgid", 0);
        if (!failed() && (firstGid < 1 || firstGid > static_cast<std::int64_t>(~kGidFlagBits)))
            return fail("a tileset's firstgid must be 1 or more, not " + std::to_string(firstGid));
        tileset.firstGid = static_cast<std::uint32_t>(firstGid);
        tileset.name = utf8(attribute("name"));
        tileset.source = utf8(attribute("source"));
        std::bitset<kGameTiles> seen;
        while (!failed() && xml_.readNextStartElement()) {
            if (xml_.name() == u"tile" && tileset.firstGid == 1) {
                const std::int64_t id = integer("id", -1);
                if (!failed() && (id < 0 || id >= static_cast<std::int64_t>(kGameTiles)))
                    return fail("the tileset's tile " + std::to_string(id) +
                                " is none of the game's tile numbers, 0 to 100");
                if (!failed() && !seen.test(static_cast<std::size_t>(id))) {
                    seen.set(static_cast<std::size_t>(id));
                    tileset.tiles.push_back(TilesetTile{id, {}, std::nullopt});
                }
            }
            xml_.skipCurrentElement();
        }
        map_.tilesets.push_back(std::move(tileset));
    }

    void readTileLayer()
    {
        if (map_.tiles)
            return fail("the map has more than one tile layer");
        TileLayer layer;
        layer.line = line();
        layer.name = utf8(attribute("name"));
        const std::int64_t width = integer("width", formats::kMapSize);
        const std::int64_t height = integer("height", formats::kMapSize);
        if (!failed() && (width != formats::kMapSize || height != formats::kMapSize))
            return fail("the tile layer is " + std::to_string(width) + " x " + std::to_string(height) +
                        " cells, not 100 x 100");
        bool dataSeen = false;
        while (!failed() && xml_.readNextStartElement()) {
            if (xml_.name() == u"data" && !dataSeen) {
                dataSeen = true;
                readLayerData(layer);
            } else {
                xml_.skipCurrentElement();
            }
        }
        if (!failed() && !dataSeen)
            fail("the tile layer holds no data");
        map_.tiles = std::move(layer);
    }

    void takeDecoded(TileLayer& layer, tervok::Result<Gids> gids)
    {
        if (!gids)
            return fail(gids.error().detail);
        layer.gids = std::move(*gids);
    }

    void readLayerData(TileLayer& layer)
    {
        const QStringView encoding = attribute("encoding");
        const std::string compression = utf8(attribute("compression"));
        if (encoding == u"csv")
            return takeDecoded(layer, decodeCsv(utf8(xml_.readElementText())));
        if (encoding == u"base64")
            return takeDecoded(layer, decodeBase64(utf8(xml_.readElementText()), compression));
        if (!encoding.isEmpty())
            return fail("the layer data is encoded as '" + utf8(encoding) + "', not as csv or base64");
        readTileElements(layer);
    }

    // The old form: one <tile gid="..."/> per cell, <tile/> for an empty one.
    void readTileElements(TileLayer& layer)
    {
        layer.gids.reserve(kLayerCells);
        std::size_t count = 0;
        while (!failed() && xml_.readNextStartElement()) {
            if (xml_.name() == u"chunk")
                return fail("the tile layer is stored in chunks, as only infinite maps are");
            if (xml_.name() == u"tile") {
                ++count;
                const QStringView text = attribute("gid");
                const std::optional<std::uint32_t> gid = text.isEmpty() ? std::optional<std::uint32_t>(0)
                                                                        : readGid(utf8(text));
                if (!gid)
                    return fail("cell " + std::to_string(count) + " of the layer data is no tile number: '" +
                                utf8(text.left(20)) + "'");
                if (count <= kLayerCells)
                    layer.gids.push_back(*gid);
            }
            xml_.skipCurrentElement();
        }
        if (!failed() && count != kLayerCells)
            fail(wrongCellCount(count).detail);
    }

    void readObjectGroup()
    {
        if (attribute("name") != QLatin1String(kScriptGroupName))
            return xml_.skipCurrentElement();
        if (map_.script)
            return fail("two object groups are named script");
        ObjectGroup group;
        group.name = kScriptGroupName;
        group.line = line();
        while (!failed() && xml_.readNextStartElement()) {
            if (xml_.name() == u"properties") {
                group.properties = readProperties();
            } else if (xml_.name() == u"object") {
                if (group.objects.size() == kMaxListEntries)
                    return fail("more than " + std::to_string(kMaxListEntries) + " objects in the script");
                group.objects.push_back(readObject());
            } else {
                xml_.skipCurrentElement();
            }
        }
        map_.script = std::move(group);
    }

    MapObject readObject()
    {
        MapObject object;
        object.line = line();
        const std::int64_t id = integer("id", 0);
        object.id = id > 0 && id <= 0xFFFFFFFF ? static_cast<std::uint32_t>(id) : 0;
        object.name = utf8(attribute("name"));
        object.type = utf8(attribute("type"));
        if (object.type.empty())
            object.type = utf8(attribute("class"));
        object.x = decimal("x");
        object.y = decimal("y");
        // A tile object carries a gid; only <point/> makes a point.
        const bool tileObject = hasAttribute("gid");
        bool pointSeen = false;
        while (!failed() && xml_.readNextStartElement()) {
            if (xml_.name() == u"properties") {
                object.properties = readProperties();
                continue;
            }
            if (xml_.name() == u"point")
                pointSeen = true;
            xml_.skipCurrentElement();
        }
        object.point = pointSeen && !tileObject;
        return object;
    }

    QByteArray data_;
    QXmlStreamReader xml_;
    TiledMap map_;
};

}  // namespace

tervok::Result<TiledMap> readTmx(std::string_view bytes)
{
    return TmxReader(bytes).read();
}

}  // namespace tmx
