// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "LocaleEncoding.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>

#include <iconv.h>
#include <langinfo.h>
#include <locale.h>

namespace LocaleEncoding {

namespace {

bool isUtf8(const QByteArray &codeset)
{
    return codeset.compare("UTF-8", Qt::CaseInsensitive) == 0 || codeset.compare("UTF8", Qt::CaseInsensitive) == 0;
}

// The length of the UTF-8 sequence that starts with this byte.
int sequenceLength(unsigned char lead)
{
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

}  // namespace

QByteArray userCodeset()
{
    const char *name = "C";
    for (const char *variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char *value = std::getenv(variable);
        if (value && *value) {
            name = value;
            break;
        }
    }
    const locale_t locale = ::newlocale(LC_CTYPE_MASK, name, locale_t(nullptr));
    if (!locale)
        return QByteArrayLiteral("UTF-8");
    const QByteArray codeset(::nl_langinfo_l(CODESET, locale));
    ::freelocale(locale);
    // The C locale knows nothing beyond ASCII; its programs (Qt's among them)
    // treat text as UTF-8, and a name with accents stays readable that way.
    if (codeset == "ANSI_X3.4-1968" || codeset.isEmpty())
        return QByteArrayLiteral("UTF-8");
    return codeset;
}

QByteArray encode(const QString &text, const QByteArray &codeset)
{
    QByteArray in = text.toUtf8();
    if (isUtf8(codeset))
        return in;
    const iconv_t converter = ::iconv_open(codeset.constData(), "UTF-8");
    if (converter == iconv_t(-1))
        return in;

    QByteArray out(in.size() + 16, Qt::Uninitialized);
    char *from = in.data();
    size_t fromLeft = static_cast<size_t>(in.size());
    size_t written = 0;
    while (fromLeft > 0) {
        char *to = out.data() + written;
        size_t toLeft = static_cast<size_t>(out.size()) - written;
        const size_t result = ::iconv(converter, &from, &fromLeft, &to, &toLeft);
        written = static_cast<size_t>(out.size()) - toLeft;
        if (result != size_t(-1))
            break;
        if (errno == E2BIG) {
            out.resize(out.size() * 2);
        } else {
            // A character this encoding has no place for: a visible stand-in.
            if (written + 1 > static_cast<size_t>(out.size()))
                out.resize(out.size() * 2);
            out[static_cast<qsizetype>(written++)] = '?';
            const size_t skip = std::min<size_t>(fromLeft, sequenceLength(static_cast<unsigned char>(*from)));
            from += skip;
            fromLeft -= skip;
        }
    }
    ::iconv_close(converter);
    out.truncate(static_cast<qsizetype>(written));
    return out;
}

}  // namespace LocaleEncoding
