#include "storage/sheets/xml_reader.h"

#include "storage/sheets/text_decoding.h"

#include <charconv>

namespace ksy {
namespace {

std::string_view localPart(std::string_view name)
{
    const std::size_t colon = name.rfind(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

} // namespace

std::string decodeXmlText(std::string_view raw)
{
    std::string out;
    out.reserve(raw.size());
    std::size_t i = 0;
    while (i < raw.size()) {
        const std::size_t amp = raw.find('&', i);
        if (amp == std::string_view::npos) {
            out.append(raw.substr(i));
            break;
        }
        out.append(raw.substr(i, amp - i));
        const std::size_t semi = raw.find(';', amp);
        if (semi == std::string_view::npos || semi - amp > 12) {
            out += '&';
            i = amp + 1;
            continue;
        }
        const std::string_view entity = raw.substr(amp + 1, semi - amp - 1);
        if (entity == "lt")
            out += '<';
        else if (entity == "gt")
            out += '>';
        else if (entity == "amp")
            out += '&';
        else if (entity == "quot")
            out += '"';
        else if (entity == "apos")
            out += '\'';
        else if (entity.size() > 1 && entity[0] == '#') {
            const bool hex = entity[1] == 'x' || entity[1] == 'X';
            const std::string_view digits = entity.substr(hex ? 2 : 1);
            std::uint32_t code = 0;
            const auto [end, ec] =
                std::from_chars(digits.data(), digits.data() + digits.size(), code, hex ? 16 : 10);
            if (ec != std::errc() || end != digits.data() + digits.size() || digits.empty()) {
                out.append(raw.substr(amp, semi - amp + 1));
            } else {
                appendUtf8(out, static_cast<char32_t>(code));
            }
        } else {
            out.append(raw.substr(amp, semi - amp + 1)); // never expanded
        }
        i = semi + 1;
    }
    return out;
}

std::string XmlReader::attribute(std::string_view localName) const
{
    for (const auto& [name, value] : attributes_)
        if (localPart(name) == localName)
            return decodeXmlText(value);
    return {};
}

bool XmlReader::hasAttribute(std::string_view localName) const
{
    for (const auto& a : attributes_)
        if (localPart(a.first) == localName)
            return true;
    return false;
}

XmlReader::Event XmlReader::next()
{
    if (pendingEnd_) {
        pendingEnd_ = false;
        attributes_.clear();
        return Event::End;
    }
    while (at_ < xml_.size()) {
        if (xml_[at_] != '<') {
            const std::size_t lt = xml_.find('<', at_);
            const std::size_t stop = lt == std::string_view::npos ? xml_.size() : lt;
            text_ = decodeXmlText(xml_.substr(at_, stop - at_));
            at_ = stop;
            return Event::Text;
        }
        const std::string_view rest = xml_.substr(at_);
        if (rest.starts_with("<!--")) {
            const std::size_t close = xml_.find("-->", at_ + 4);
            if (close == std::string_view::npos)
                return Event::Error;
            at_ = close + 3;
        } else if (rest.starts_with("<![CDATA[")) {
            const std::size_t close = xml_.find("]]>", at_ + 9);
            if (close == std::string_view::npos)
                return Event::Error;
            text_ = std::string(xml_.substr(at_ + 9, close - at_ - 9));
            at_ = close + 3;
            return Event::Text;
        } else if (rest.starts_with("<?")) {
            const std::size_t close = xml_.find("?>", at_ + 2);
            if (close == std::string_view::npos)
                return Event::Error;
            at_ = close + 2;
        } else if (rest.starts_with("<!")) {
            // A document type, internal subset included: skipped, its
            // entities are never declared to this reader.
            int depth = 0;
            std::size_t i = at_ + 2;
            for (; i < xml_.size(); ++i) {
                if (xml_[i] == '[')
                    ++depth;
                else if (xml_[i] == ']')
                    --depth;
                else if (xml_[i] == '>' && depth <= 0)
                    break;
            }
            if (i >= xml_.size())
                return Event::Error;
            at_ = i + 1;
        } else {
            return readTag() ? (name_.empty() ? Event::Error : lastWasEnd_ ? Event::End : Event::Start)
                             : Event::Error;
        }
    }
    return Event::Done;
}

bool XmlReader::readTag()
{
    std::size_t i = at_ + 1;
    lastWasEnd_ = i < xml_.size() && xml_[i] == '/';
    if (lastWasEnd_)
        ++i;
    const std::size_t nameStart = i;
    while (i < xml_.size() && !isSpace(xml_[i]) && xml_[i] != '>' && xml_[i] != '/')
        ++i;
    name_ = localPart(xml_.substr(nameStart, i - nameStart));
    attributes_.clear();
    while (true) {
        while (i < xml_.size() && isSpace(xml_[i]))
            ++i;
        if (i >= xml_.size())
            return false;
        if (xml_[i] == '>') {
            at_ = i + 1;
            return true;
        }
        if (xml_[i] == '/') {
            if (i + 1 >= xml_.size() || xml_[i + 1] != '>' || lastWasEnd_)
                return false;
            pendingEnd_ = true;
            at_ = i + 2;
            return true;
        }
        const std::size_t attrStart = i;
        while (i < xml_.size() && xml_[i] != '=' && !isSpace(xml_[i]) && xml_[i] != '>')
            ++i;
        const std::string_view attrName = xml_.substr(attrStart, i - attrStart);
        while (i < xml_.size() && isSpace(xml_[i]))
            ++i;
        if (i >= xml_.size() || xml_[i] != '=' || attrName.empty())
            return false;
        ++i;
        while (i < xml_.size() && isSpace(xml_[i]))
            ++i;
        if (i >= xml_.size() || (xml_[i] != '"' && xml_[i] != '\''))
            return false;
        const char quote = xml_[i];
        const std::size_t close = xml_.find(quote, i + 1);
        if (close == std::string_view::npos)
            return false;
        attributes_.emplace_back(attrName, xml_.substr(i + 1, close - i - 1));
        i = close + 1;
    }
}

} // namespace ksy
