#include "core/MainMdl.h"

#include <cmath>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>

#include "platform/Clock.h"

namespace fs = std::filesystem;

namespace MainMdl {
namespace {

fs::path PathOf(const QString& path)
{
    return fs::path(path.toStdString());
}

[[noreturn]] void Fail(const QString& path, const std::string& reason)
{
    throw std::runtime_error("Cannot delete " + path.toStdString() + ": " + reason);
}

}  // namespace

bool FileExists(const QString& path)
{
    if (path.isEmpty())
        return false;
    std::error_code ec;
    return fs::is_regular_file(PathOf(path), ec);
}

void DeleteFile(const QString& path)
{
    if (!FileExists(path))
        Fail(path, "File not found");
    std::error_code ec;
    if (!fs::remove(PathOf(path), ec))
        Fail(path, ec ? ec.message() : std::string("File not found"));
}

void Delay(double seconds)
{
    Clock::Current().Wait(std::isnan(seconds) ? 0.0 : seconds);
}

}  // namespace MainMdl
