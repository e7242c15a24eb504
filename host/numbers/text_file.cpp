#include "host/numbers/text_file.h"

#include "host/numbers/fault.h"

namespace host {

TextFileReader::TextFileReader(const std::string &path)
    : m_path(path)
    , m_stream(path, std::ios::binary)
{
    if (!m_stream)
        throw Fault(Fault::Kind::File, "The file \"" + path + "\" cannot be opened for reading.");
}

std::optional<std::string> TextFileReader::readLine()
{
    std::string line;
    if (!std::getline(m_stream, line))
        return std::nullopt;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    ++m_lineNumber;
    return line;
}

} // namespace host
