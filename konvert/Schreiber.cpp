#include "konvert/Schreiber.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace kartovex::konvert {

Schreiber::Schreiber(int fd) : fd(fd), puffer(1 << 16) {
    setp(puffer.data(), puffer.data() + puffer.size());
}

Schreiber::~Schreiber() {
    leere();
}

// Writes all n bytes, across partial writes and interrupted calls. After the
// first failure nothing more is written.
bool Schreiber::schreibe(const char* s, std::size_t n) {
    while (n > 0 && fehlerNr == 0) {
        const ssize_t k = ::write(fd, s, n);
        if (k < 0 && errno == EINTR) continue;
        if (k <= 0) {
            fehlerNr = k < 0 ? errno : EIO;
            break;
        }
        s += k;
        n -= std::size_t(k);
    }
    return fehlerNr == 0;
}

bool Schreiber::leere() {
    const bool ok = schreibe(pbase(), std::size_t(pptr() - pbase()));
    setp(puffer.data(), puffer.data() + puffer.size());
    return ok;
}

Schreiber::int_type Schreiber::overflow(int_type c) {
    if (!leere()) return traits_type::eof();
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
}

std::streamsize Schreiber::xsputn(const char* s, std::streamsize n) {
    const auto frei = epptr() - pptr();
    if (n <= frei) {
        std::memcpy(pptr(), s, std::size_t(n));
        pbump(int(n));
        return n;
    }
    // Larger than the room left: out with the buffer, then the text itself.
    if (!leere()) return 0;
    if (n < std::streamsize(puffer.size())) return xsputn(s, n);
    return schreibe(s, std::size_t(n)) ? n : 0;
}

int Schreiber::sync() {
    return leere() ? 0 : -1;
}

} // namespace kartovex::konvert
