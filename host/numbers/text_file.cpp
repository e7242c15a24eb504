#include "host/numbers/text_file.h"

#include "host/numbers/fault.h"

#include <filesystem>
#include <system_error>

namespace host {

TextFileReader::TextFileReader(const std::string &path)
    : m_path(path)
{
    // A folder opens as a stream on some systems and reads as an empty file.
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        throw Fault(Fault::Kind::File,
                    "\"" + path + "\" is a folder, not a file, and cannot be read.");
    m_stream.open(path, std::ios::binary);
    if (!m_stream)
        throw Fault(Fault::Kind::File, "The file \"" + path + "\" cannot be opened for reading.");
    constexpr char byteOrderMark[] = "\xEF\xBB\xBF";
    char start[3] = {};
    m_stream.read(start, 3);
    if (!(m_stream.gcount() == 3 && std::string(start, 3) == byteOrderMark)) {
        m_stream.clear();
        m_stream.seekg(0);
    }
}

std::optional<std::string> TextFileReader::readLine()
{
    std::streambuf *buffer = m_stream.rdbuf();
    using Traits = std::char_traits<char>;
    if (Traits::eq_int_type(buffer->sgetc(), Traits::eof()))
        return std::nullopt;
    std::string line;
    for (auto c = buffer->sbumpc(); !Traits::eq_int_type(c, Traits::eof()); c = buffer->sbumpc()) {
        if (c == '\n')
            break;
        if (c == '\r') {
            if (buffer->sgetc() == '\n')
                buffer->sbumpc();
            break;
        }
        line.push_back(Traits::to_char_type(c));
    }
    ++m_lineNumber;
    return line;
}

} // namespace host
