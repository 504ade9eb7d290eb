// The output of kartovex-konvert: a stream buffer over a file descriptor that
// keeps the system's reason for the first failed write, so that the run can
// stop there and name it.
#pragma once

#include <streambuf>
#include <vector>

namespace kartovex::konvert {

class Schreiber : public std::streambuf {
public:
    explicit Schreiber(int fd);
    ~Schreiber() override;
    // The errno of the first failed write; 0 while every write succeeded.
    int fehler() const { return fehlerNr; }

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* s, std::streamsize n) override;
    int sync() override;

private:
    bool schreibe(const char* s, std::size_t n);
    bool leere();
    int fd;
    int fehlerNr = 0;
    std::vector<char> puffer;
};

} // namespace kartovex::konvert
