#pragma once
// Writing the finished picture: encoded as PNG in memory, then put in place
// with the safe replacement every data file gets, so that a failed write
// leaves no half-written picture and says why it failed.
#include "errors/result.h"

#include <QByteArray>
#include <QImage>

#include <filesystem>

namespace render {

tervok::Result<QByteArray> pngBytes(const QImage& picture);

tervok::Status writePicture(const QImage& picture, const std::filesystem::path& file);

}  // namespace render
