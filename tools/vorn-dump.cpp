// vorn-dump: decodes the intermediate files of vorn into readable text.
//
//   vorn-dump tok FILE [SYMFILE]   token file, one source line per output line
//   vorn-dump fb FILE              numeric-label records
//   vorn-dump sym FILE             symbol-table records and end mark
//   vorn-dump info FILE            line-information records
//
// The output formats are fixed: end-to-end tests compare them byte for byte.
// Malformed input never stops the tool with a crash; what cannot be decoded
// is shown with a leading '?', and decoding stops at a truncated record.
//
// Exit status: 0 after decoding, 1 when a file cannot be read, 2 on a bad
// command line.

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "common/permtab.h"

namespace {

using Bytes = std::vector<unsigned char>;

#define VORN_PERM_NAME(n, t, v) n,
constexpr const char* permnames[] = {VORN_PERMANENT_SYMBOLS(VORN_PERM_NAME)};
#undef VORN_PERM_NAME
static_assert(sizeof permnames / sizeof permnames[0] == vorn::NPERM);

// Token words of the token file (octal, as the file stores them).
constexpr unsigned TNUMBER = 01;
constexpr unsigned TEOF = 04;
constexpr unsigned TFILE = 05;
constexpr unsigned TEOL = 012;
constexpr unsigned TLSHIFT = 035;
constexpr unsigned TRSHIFT = 036;
constexpr unsigned TSTRING = 074;
constexpr unsigned TFBBACK = 0141;   // 0b .. 9b
constexpr unsigned TFBFWD = 0153;    // 0f .. 9f
constexpr unsigned TCHAR = 0400;     // string character: 0400 + byte
constexpr unsigned TEND = 0177777;   // ends a string or a file-start record
constexpr unsigned TPERM = 01000;    // permanent symbol: 01000 + 4i
constexpr unsigned TUSER = 04000;    // user symbol: 04000 + 4i

constexpr std::string_view operators = "!#%&()*+,-/:=@[]^`|";

constexpr size_t SYMRECLEN = 12;  // name[8], type, value
constexpr size_t NAMELEN = 8;
constexpr size_t FBRECLEN = 4;    // segment, digit*2, value

void usage() {
  std::fputs(
      "usage: vorn-dump tok FILE [SYMFILE]\n"
      "       vorn-dump fb FILE\n"
      "       vorn-dump sym FILE\n"
      "       vorn-dump info FILE\n",
      stderr);
}

// Reads the whole file; false (with a message) when it cannot be read.
bool readfile(const char* path, Bytes& out) {
  std::FILE* f = std::fopen(path, "rb");
  if (!f) {
    std::fprintf(stderr, "vorn-dump: cannot open %s: %s\n", path, std::strerror(errno));
    return false;
  }
  std::error_code ec;
  if (std::filesystem::is_regular_file(path, ec)) {
    auto size = std::filesystem::file_size(path, ec);
    if (!ec) out.reserve(size);
  }
  unsigned char buf[1 << 16];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out.insert(out.end(), buf, buf + n);
  bool bad = std::ferror(f);
  int err = errno;
  std::fclose(f);
  if (bad) {
    std::fprintf(stderr, "vorn-dump: cannot read %s: %s\n", path, std::strerror(err));
    return false;
  }
  return true;
}

void putoctal(std::string& out, unsigned v, int width) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%0*o", width, v);
  out += buf;
}

void putescape(std::string& out, unsigned c) {
  out += '\\';
  putoctal(out, c & 0377, 3);
}

// A character of a string, a user name or a symbol name: printable
// characters as themselves, except '>' and the backslash, which would make
// the rendering ambiguous; everything else as \ooo.
void putstrchar(std::string& out, unsigned c) {
  if (c >= 041 && c <= 0176 && c != '>' && c != '\\')
    out += static_cast<char>(c);
  else
    putescape(out, c);
}

// The name field of a symbol record, without its NUL padding.
std::string symname(const unsigned char* rec) {
  std::string s;
  for (size_t k = 0; k < NAMELEN && rec[k] != 0; ++k) putstrchar(s, rec[k]);
  return s;
}

unsigned le16(const unsigned char* p) { return p[0] | (p[1] << 8); }

bool isendmark(const Bytes& b, size_t pos) {
  return b.size() - pos >= 4 && b[pos] == 0xFF && b[pos + 1] == 0xFF && b[pos + 2] == 0xFF &&
         b[pos + 3] == 0xFF;
}

// Number of symbol records in a symbol-table file: the complete 12-byte
// records before the end mark (or before the end of the file).
size_t symcount(const Bytes& b) {
  size_t pos = 0;
  while (b.size() - pos >= SYMRECLEN && !isendmark(b, pos)) pos += SYMRECLEN;
  return pos / SYMRECLEN;
}

// tok: the tokens of one source line are collected in `cur` and written out
// at the line-end word.  File-start records and the end-of-input word get a
// line of their own.
int dumptok(const Bytes& b, const Bytes* sym) {
  std::string out;
  out.reserve(b.size() * 3);
  std::string cur;
  bool pending = false;  // cur holds at least one token
  size_t nsym = sym ? symcount(*sym) : 0;

  auto tokstart = [&] {
    if (pending) cur += ' ';
    pending = true;
  };
  auto endline = [&] {
    out += cur;
    out += '\n';
    cur.clear();
    pending = false;
  };
  // A record that must stand alone ends any unfinished line first.
  auto ownline = [&] {
    if (pending) endline();
    pending = true;
  };

  size_t pos = 0;
  size_t nwords = b.size() / 2;
  auto word = [&](size_t i) { return le16(&b[2 * i]); };
  bool truncated = false;

  while (pos < nwords) {
    unsigned w = word(pos++);
    if (w == TEOL) {
      endline();
    } else if (w == TNUMBER) {
      if (pos >= nwords) {
        truncated = true;
        break;
      }
      tokstart();
      cur += 'N';
      putoctal(cur, word(pos++), 1);
    } else if (w == TSTRING) {
      tokstart();
      cur += '<';
      bool closed = false;
      while (pos < nwords) {
        unsigned c = word(pos++);
        if (c == TEND) {
          closed = true;
          break;
        }
        if (c >= TCHAR && c < TCHAR + 0400) {
          putstrchar(cur, c - TCHAR);
        } else {
          cur += '?';
          putoctal(cur, c, 6);
        }
      }
      if (!closed) {
        truncated = true;
        break;
      }
      cur += '>';
    } else if (w == TFILE) {
      ownline();
      cur += "FILE ";
      bool closed = false;
      while (pos < nwords) {
        unsigned c = word(pos++);
        if (c == TEND) {
          closed = true;
          break;
        }
        // The name's bytes are written sign-extended: a byte above 0177
        // arrives as 0177600 + its low 7 bits.
        if (c >= 0177600) c &= 0377;
        if (c < 0400) {
          if (c >= 040 && c < 0177)
            cur += static_cast<char>(c);
          else
            putescape(cur, c);
        } else {
          cur += '?';
          putoctal(cur, c, 6);
        }
      }
      if (!closed) {
        truncated = true;
        break;
      }
      endline();
    } else if (w == TEOF) {
      ownline();
      cur += "EOF";
      endline();
    } else if (w == TLSHIFT || w == TRSHIFT) {
      tokstart();
      cur += w == TLSHIFT ? "\\<" : "\\>";
    } else if (w < 0200 && operators.find(static_cast<char>(w)) != std::string_view::npos) {
      tokstart();
      cur += static_cast<char>(w);
    } else if (w >= TFBBACK && w < TFBBACK + 10) {
      tokstart();
      cur += static_cast<char>('0' + (w - TFBBACK));
      cur += 'b';
    } else if (w >= TFBFWD && w < TFBFWD + 10) {
      tokstart();
      cur += static_cast<char>('0' + (w - TFBFWD));
      cur += 'f';
    } else if (w < 0200) {
      tokstart();
      putescape(cur, w);
    } else if (w >= TPERM && w < TPERM + 4 * vorn::NPERM && (w - TPERM) % 4 == 0) {
      tokstart();
      cur += permnames[(w - TPERM) / 4];
    } else if (w >= TUSER && (w - TUSER) % 4 == 0) {
      tokstart();
      size_t i = (w - TUSER) / 4;
      cur += '{';
      if (i < nsym) {
        cur += symname(&(*sym)[i * SYMRECLEN]);
      } else {
        cur += '#';
        cur += std::to_string(i);
      }
      cur += '}';
    } else {
      tokstart();
      cur += '?';
      putoctal(cur, w, 6);
    }
  }
  if (b.size() % 2 != 0) truncated = true;
  if (truncated) {
    tokstart();
    cur += "?truncated";
  }
  if (pending) endline();
  std::fwrite(out.data(), 1, out.size(), stdout);
  return 0;
}

// The trailing-bytes report shared by the record dumps.
void puttrailing(std::string& out, size_t n) {
  out += "?trailing ";
  out += std::to_string(n);
  out += " bytes\n";
}

int dumpfb(const Bytes& b) {
  std::string out;
  size_t pos = 0;
  for (; b.size() - pos >= FBRECLEN; pos += FBRECLEN) {
    unsigned seg = b[pos];
    switch (seg) {
      case 2: out += "text"; break;
      case 3: out += "data"; break;
      case 4: out += "bss"; break;
      default: putoctal(out, seg, 1); break;
    }
    out += ' ';
    out += std::to_string(b[pos + 1] / 2);
    out += ' ';
    putoctal(out, le16(&b[pos + 2]), 6);
    out += '\n';
  }
  if (pos < b.size()) puttrailing(out, b.size() - pos);
  std::fwrite(out.data(), 1, out.size(), stdout);
  return 0;
}

int dumpsym(const Bytes& b) {
  std::string out;
  size_t n = symcount(b);
  char buf[64];
  for (size_t i = 0; i < n; ++i) {
    const unsigned char* rec = &b[i * SYMRECLEN];
    std::string name = symname(rec);
    std::snprintf(buf, sizeof buf, " %03o %06o\n", le16(rec + 8), le16(rec + 10));
    out += name;
    if (name.size() < NAMELEN) out.append(NAMELEN - name.size(), ' ');
    out += buf;
  }
  size_t pos = n * SYMRECLEN;
  if (isendmark(b, pos)) {
    out += "END\n";
    pos += 4;
  }
  if (pos < b.size()) puttrailing(out, b.size() - pos);
  std::fwrite(out.data(), 1, out.size(), stdout);
  return 0;
}

// Copies text, showing control characters as \ooo.
void putvisible(std::string& out, const unsigned char* p, size_t n) {
  for (size_t k = 0; k < n; ++k) {
    unsigned c = p[k];
    if (c < 040 || c == 0177)
      putescape(out, c);
    else
      out += static_cast<char>(c);
  }
}

// Parses an optionally signed decimal number that a blank must end; p is
// left on the blank.
bool decimal(const unsigned char*& p, const unsigned char* end) {
  if (p < end && *p == '-') ++p;
  const unsigned char* start = p;
  while (p < end && *p >= '0' && *p <= '9') ++p;
  return p > start && p < end && *p == ' ';
}

// info: a record is "LINE KIND FILE\n" followed by the line's text, which
// normally ends with its own line feed, and one more line feed.  A text
// without a line feed of its own is recognised by what follows it: the next
// record starts with a number, never with a line feed.
int dumpinfo(const Bytes& b) {
  std::string out;
  const unsigned char* p = b.data();
  const unsigned char* end = p + b.size();
  while (p < end) {
    const unsigned char* head = p;
    const unsigned char* q = p;
    bool wellformed = decimal(q, end);  // LINE
    if (wellformed) wellformed = decimal(++q, end);  // KIND
    if (!wellformed) {
      out += "?malformed\n";
      break;
    }
    auto nl = static_cast<const unsigned char*>(std::memchr(q, '\n', end - q));
    if (!nl) {
      out += "?truncated\n";
      break;
    }
    const unsigned char* text = nl + 1;
    auto tnl = static_cast<const unsigned char*>(std::memchr(text, '\n', end - text));
    if (!tnl) {
      out += "?truncated\n";
      break;
    }
    const unsigned char* textend = tnl;  // the text's own line feed is not shown
    p = tnl + 1;
    if (p < end && *p == '\n') ++p;  // the record's final line feed
    putvisible(out, head, nl - head);
    out += " | ";
    putvisible(out, text, textend - text);
    out += '\n';
  }
  std::fwrite(out.data(), 1, out.size(), stdout);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    usage();
    return 2;
  }
  std::string_view mode = argv[1];
  bool tok = mode == "tok";
  if (!(tok ? argc <= 4 : argc == 3) ||
      !(tok || mode == "fb" || mode == "sym" || mode == "info")) {
    usage();
    return 2;
  }
  Bytes data;
  if (!readfile(argv[2], data)) return 1;
  if (tok) {
    Bytes sym;
    if (argc == 4 && !readfile(argv[3], sym)) return 1;
    return dumptok(data, argc == 4 ? &sym : nullptr);
  }
  if (mode == "fb") return dumpfb(data);
  if (mode == "sym") return dumpsym(data);
  return dumpinfo(data);
}
