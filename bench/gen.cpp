// gen SEED LINES > file.s
//
// Writes a deterministic PDP-11 source of exactly LINES source lines (lines
// written, not lines after expansion) for benchmarking the first pass.  The
// same seed and line count always give the same bytes.
//
// The text is meant to look like real system code and to assemble without a
// single diagnostic: every instruction class with every addressing mode,
// named, global and numeric labels with 1b/1f references, expressions with
// brackets and all operators, data in the data and bss segments, comments,
// macros with arguments and generated labels, .rept/.irp/.irpc blocks and
// conditionals.
//
// Everything that stays in the assembler's memory for the whole run has a
// fixed budget that does not grow with LINES: user symbols (the hash table
// holds 3001 slots), generated macro labels and repeat definitions (each
// repeat directive executed stores a definition for the rest of the run, and
// their generated names must fit eight characters).  Long inputs therefore
// space named labels further apart and reuse names in references; numeric
// labels, which may be redefined freely, carry the local control flow.
//
// A summary (lines, distinct user symbols, generated labels, repeat
// directives) goes to standard error.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unordered_set>
#include <vector>

namespace {

// Budgets over the whole output, whatever its length.
constexpr unsigned named_max = 1500;   // code and data labels defined
constexpr unsigned genlab_max = 300;   // macro calls that make a ?label
constexpr unsigned repeat_max = 1500;  // repeat directives executed

// splitmix64: fixed arithmetic, so the output is the same on every host.
struct Rng {
    uint64_t s;
    uint64_t next()
    {
        uint64_t z = (s += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    unsigned below(unsigned n) { return n ? unsigned(next() % n) : 0; }
    unsigned range(unsigned lo, unsigned hi) { return lo + below(hi - lo + 1); }
    bool chance(unsigned pct) { return below(100) < pct; }
    template <class T> const T& pick(const std::vector<T>& v) { return v[below(unsigned(v.size()))]; }
    template <class T, size_t N> const T& pick(const T (&a)[N]) { return a[below(N)]; }
};

const char* const permanent[] = {
    ".", "..", "torg", "dorg", "borg", "r0", "r1", "r2", "r3", "r4", "r5", "r6", "r7", "sp", "pc",
    "mov", "movb", "cmp", "cmpb", "bit", "bitb", "bic", "bicb", "bis", "bisb", "add", "sub",
    "br", "bne", "beq", "bge", "blt", "bgt", "ble", "bpl", "bmi", "bhi", "blos", "bvc", "bvs",
    "bhis", "bec", "bcc", "blo", "bcs", "bes",
    "clr", "clrb", "com", "comb", "inc", "incb", "dec", "decb", "neg", "negb", "adc", "adcb",
    "sbc", "sbcb", "tst", "tstb", "ror", "rorb", "rol", "rolb", "asr", "asrb", "asl", "aslb",
    "mtps", "mfps", "jmp", "swab", "jsr", "rts", "emt", "trap", "sys",
    "nop", "clc", "clv", "clz", "cln", "sec", "sev", "sez", "sen", "halt", "wait", "rti", "bpt",
    "iot", "reset", "rtt", "cfcc", "setf", "setd", "seti", "setl", "clrf", "negf", "absf", "tstf",
    "movf", "movif", "movfi", "movof", "movfo", "addf", "subf", "mulf", "divf", "cmpf", "modf",
    "movie", "movei", "ldfps", "stfps", "fr0", "fr1", "fr2", "fr3", "fr4", "fr5",
    "als", "alsc", "mpy", "mul", "div", "ash", "ashc", "dvd", "xor", "sxt", "mark", "sob"};

// Formal parameter names used by the macros and repeat blocks below.  No
// program symbol may share one of them: while an expansion runs, every name
// read is first looked up among the formals.
const char* const formals[] = {"a", "b", "s", "d", "n", "v", "nm", "lp", "sk", "rg", "ix", "dg"};
const char* const macro_names[] = {"push", "pop", "call", "move", "fill", "copy", "check", "savall", "rstall", "shift"};

const char* const prefixes[] = {"tty", "dsk", "clk", "lp", "rk", "mem", "usr", "sys", "kb", "crt", "io", "net", "fs",
                                "ld", "pr", "ts", "dz", "rl", "ps", "tm", "mt", "dl", "cn", "in", "out"};
const char* const verbs[] = {"put", "get", "init", "rd", "wr", "scan", "chk", "intr", "done", "loop",
                             "next", "fmt", "cvt", "open", "clos", "seek", "wait", "srch", "cmp", "move"};
const char* const nouns[] = {"buf", "cnt", "ptr", "tbl", "len", "flg", "vec", "tmp", "lim", "msk",
                             "off", "siz", "idx", "top", "end", "stk", "map", "lst", "hdr", "blk"};
const char* const externs[] = {"_putc", "_getc", "_exit", "_panic", "_write", "_read", "_open", "_close",
                               "_ioctl", "_signal", "_sbrk", "_time", "_trace", "_spl", "_wakeup", "_sleep",
                               "_printf", "csv", "cret"};
const char* const ext_data[] = {"_errno", "_environ", "_savr5"};
const char* const commons[] = {"_iobuf", "_stbuf", "_argv", "_lbolt"};
const char* const undefined_flags[] = {"nofpu", "tstmode", "ovly"};
const char* const words[] = {
    "save", "restore", "registers", "load", "buffer", "pointer", "count", "loop", "until", "done",
    "check", "status", "device", "ready", "clear", "set", "flag", "next", "character", "block",
    "read", "write", "error", "return", "to", "caller", "from", "the", "a", "interrupt", "enable",
    "disable", "priority", "table", "entry", "index", "word", "byte", "length", "address", "stack",
    "frame", "argument", "result", "zero", "test", "bit", "mask", "carry", "advance", "queue",
    "wait", "for", "transfer", "(see above)", "-", "if", "not", "and", "or", "new", "old", "head",
    "tail", "free", "list", "unit", "drive", "track", "sector", "retry", "timeout", "clock", "tick"};

const char* const dbl_ops[] = {"mov", "mov", "mov", "movb", "cmp", "cmpb", "bit", "bitb",
                               "bic", "bicb", "bis", "bisb", "add", "sub"};
const char* const sgl_ops[] = {"clr", "clrb", "com", "comb", "inc", "incb", "dec", "decb", "neg", "negb",
                               "adc", "adcb", "sbc", "sbcb", "tst", "tstb", "ror", "rorb", "rol", "rolb",
                               "asr", "asrb", "asl", "aslb", "swab", "sxt"};
const char* const branches[] = {"br", "bne", "beq", "bge", "blt", "bgt", "ble", "bpl", "bmi", "bhi",
                                "blos", "bvc", "bvs", "bhis", "bec", "bcc", "blo", "bcs", "bes"};
const char* const no_ops[] = {"nop", "clc", "clv", "clz", "cln", "sec", "sev", "sez", "sen", "halt",
                              "wait", "rti", "bpt", "iot", "reset", "rtt"};

enum class Kind { csr, n, siz, vec, bit, max };

struct Gen {
    Rng rng;
    unsigned lines_wanted = 0;
    unsigned lines = 0;      // lines written so far
    std::string out;         // pending output

    std::unordered_set<std::string> used;  // distinct user names written
    std::unordered_set<std::string> reserved;

    std::vector<std::string> codepool, datapool;  // names in the order they are defined
    unsigned ncode = 0, ndata = 0;                 // how many of each are defined
    std::vector<std::string> consts;        // all constants, in definition order
    std::vector<std::string> small_consts;  // kind n: safe as repeat and block counts
    std::vector<std::string> size_consts;   // kind siz
    std::vector<std::string> csr_consts, vec_consts, bit_consts, max_consts;
    std::vector<std::string> flags;         // absolute flags tested by conditionals

    // Numeric labels 1-8 belong to the routines; 9 to the fill macro.
    bool fbdef[10] = {};
    unsigned pending = 0;   // bit d: a forward reference df is open

    unsigned label_every = 0, next_label = 0;
    unsigned genlab_every = 0, next_genlab = 0, genlabs = 0;
    unsigned repeat_every = 0, next_repeat = 0, repeats = 0;

    // Set while writing text that may be skipped by a conditional.  Skipped
    // text is still read token by token, but a backslash there is dropped,
    // so the shift operators \< and \> would read as the start of a string
    // and a stray '>'.  Macro arguments may land in skipped body lines too.
    bool noshift = false;

    // ----- output -----

    void flush()
    {
        fwrite(out.data(), 1, out.size(), stdout);
        out.clear();
    }
    void emit(const std::string& l)
    {
        out += l;
        out += '\n';
        ++lines;
        if (out.size() > (1u << 20))
            flush();
    }
    unsigned room() const { return lines_wanted - lines; }

    // ----- names -----

    const std::string& use(const std::string& name)
    {
        used.insert(name);
        return name;
    }
    std::string fresh(const char* p, const char* w, unsigned suffix)
    {
        std::string s = std::string(p) + w;
        if (suffix)
            s += char('0' + suffix);
        return s;
    }
    bool acceptable(const std::string& s) const
    {
        return s.size() <= 8 && !reserved.count(s);
    }
    // All prefix+word combinations, plain ones first, each group shuffled.
    std::vector<std::string> pool(const char* const* ws, size_t nw)
    {
        std::vector<std::string> all;
        for (unsigned suffix = 0; suffix <= 9; ++suffix) {
            std::vector<std::string> group;
            for (const char* p : prefixes)
                for (size_t i = 0; i < nw; ++i) {
                    std::string s = fresh(p, ws[i], suffix);
                    if (acceptable(s))
                        group.push_back(s);
                }
            for (size_t i = group.size(); i > 1; --i)
                std::swap(group[i - 1], group[rng.below(unsigned(i))]);
            all.insert(all.end(), group.begin(), group.end());
        }
        return all;
    }

    bool label_due()
    {
        if (ncode + ndata >= named_max || lines < next_label)
            return false;
        next_label += label_every;
        return true;
    }
    std::string new_code() { return use(codepool[ncode++]); }
    std::string new_data() { return use(datapool[ndata++]); }

    // A code address: mostly routines already defined, some ahead.
    std::string code_ref()
    {
        if (ncode == 0 || rng.chance(15))
            return use(codepool[ncode + rng.below(6)]);
        return use(codepool[rng.below(ncode)]);
    }
    std::string data_ref()
    {
        unsigned r = rng.below(100);
        if (r < 8)
            return use(rng.pick(commons));
        if (r < 12)
            return use(rng.pick(ext_data));
        if (ndata == 0 || r < 22)
            return use(datapool[ndata + rng.below(4)]);
        return use(datapool[rng.below(ndata)]);
    }
    std::string ext_ref() { return use(rng.pick(externs)); }
    std::string konst(const std::vector<std::string>& v) { return use(rng.pick(v)); }
    std::string any_const() { return use(rng.pick(consts)); }

    // ----- numbers and expressions -----

    std::string oct(unsigned v)
    {
        char b[16];
        snprintf(b, sizeof b, "%o", v);
        return b;
    }
    std::string dec(unsigned v) { return std::to_string(v) + "."; }
    std::string small_num()
    {
        unsigned r = rng.below(100);
        if (r < 55)
            return oct(rng.below(16));
        if (r < 80)
            return oct(rng.range(8, 0777));
        return dec(rng.range(2, 200));
    }
    std::string char_const()
    {
        static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
        std::string s;
        if (rng.chance(70)) {
            s = "'";
            s += letters[rng.below(sizeof letters - 1)];
        } else {
            s = "\"";
            s += letters[rng.below(sizeof letters - 1)];
            s += letters[rng.below(sizeof letters - 1)];
        }
        return s;
    }
    // A term of a constant expression: always defined and absolute.
    std::string cterm()
    {
        unsigned r = rng.below(100);
        if (r < 40)
            return small_num();
        if (r < 85)
            return any_const();
        if (r < 93)
            return char_const();
        if (r < 97)
            return "-" + konst(small_consts);
        return "!" + konst(bit_consts);
    }
    // A constant expression; never divides by anything but a literal.
    std::string cexpr(int depth = 2)
    {
        if (depth <= 0 || rng.chance(55))
            return cterm();
        unsigned r = rng.below(100);
        std::string left = rng.chance(25) ? "[" + cexpr(depth - 1) + "]" : cterm();
        if (r < 25)
            return left + "+" + cterm();
        if (r < 40)
            return left + "-" + cterm();
        if (r < 50)
            return left + "*" + oct(rng.range(2, 10));
        if (r < 56)
            return left + "/" + oct(rng.range(2, 10));
        if (r < 60)
            return left + "%" + oct(rng.range(2, 10));
        if (r < 68 && !noshift)
            return left + "\\<" + oct(rng.range(1, 8));
        if (r < 74 && !noshift)
            return left + "\\>" + oct(rng.range(1, 8));
        if (r < 74)
            return left + "+" + oct(rng.range(1, 8));
        if (r < 84)
            return left + "&" + konst(bit_consts);
        if (r < 94)
            return left + "|" + cterm();
        return left + "^" + cterm();
    }
    // An address: a data label, possibly offset, or a device register.
    std::string aexpr()
    {
        unsigned r = rng.below(100);
        if (r < 60)
            return data_ref();
        if (r < 75)
            return data_ref() + "+" + oct(2 * rng.range(1, 20));
        if (r < 80)
            return "[" + data_ref() + "+" + konst(size_consts) + "]";
        if (r < 85)
            return data_ref() + "-" + oct(2 * rng.range(1, 4));
        return konst(csr_consts);
    }
    std::string offset()
    {
        unsigned r = rng.below(100);
        if (r < 40)
            return oct(2 * rng.below(20));
        if (r < 50)
            return "-" + oct(2 * rng.range(1, 8));
        if (r < 75)
            return data_ref();
        if (r < 85)
            return konst(vec_consts);
        return "[" + cexpr(1) + "]";
    }

    // ----- operands -----

    std::string reg(bool with_sp = true)
    {
        unsigned r = rng.below(100);
        if (with_sp && r < 8)
            return "sp";
        if (r < 12)
            return use(rng.chance(50) ? "fp" : "tp");
        return "r" + std::to_string(rng.below(6));
    }
    // One operand in any addressing mode: r (r) (r)+ -(r) x(r) x @r @(r)+
    // @-(r) @x(r) @#x @x @(r), and #x except as a destination.
    std::string operand(bool dst)
    {
        unsigned r = rng.below(dst ? 93 : 100);
        if (r < 24) return reg(false);
        if (r < 31) return "(" + reg() + ")";
        if (r < 39) return "(" + reg() + ")+";
        if (r < 46) return "-(" + reg() + ")";
        if (r < 58) return offset() + "(" + reg() + ")";
        if (r < 70) return aexpr();
        if (r < 74) return "@" + reg(false);
        if (r < 78) return "@(" + reg() + ")+";
        if (r < 80) return "@-(" + reg() + ")";
        if (r < 84) return "@" + offset() + "(" + reg() + ")";
        if (r < 89) return "@#" + konst(csr_consts);
        if (r < 91) return "@" + data_ref();
        if (r < 93) return "@(" + reg() + ")";
        return "#" + (rng.chance(35) ? data_ref() : cexpr());
    }

    // ----- comments -----

    std::string phrase(unsigned lo, unsigned hi)
    {
        std::string s;
        unsigned n = rng.range(lo, hi);
        for (unsigned i = 0; i < n; ++i) {
            if (i)
                s += ' ';
            s += rng.pick(words);
        }
        return s;
    }
    std::string trailer(unsigned pct)
    {
        if (!rng.chance(pct))
            return "";
        return "\t; " + phrase(1, 5);
    }
    std::string comment_line()
    {
        return rng.chance(70) ? "; " + phrase(2, 8) : "\t\t\t; " + phrase(1, 6);
    }

    // ----- numeric labels -----

    std::string fb_def()
    {
        unsigned d;
        if (pending && rng.chance(75)) {
            do
                d = rng.range(1, 8);
            while (!(pending & (1u << d)));
        } else {
            d = rng.range(1, 8);
        }
        pending &= ~(1u << d);
        fbdef[d] = true;
        return std::to_string(d) + ":";
    }
    bool any_back() const
    {
        for (int d = 1; d <= 8; ++d)
            if (fbdef[d])
                return true;
        return false;
    }
    std::string back_ref()
    {
        unsigned d;
        do
            d = rng.range(1, 8);
        while (!fbdef[d]);
        return std::to_string(d) + "b";
    }
    std::string fwd_ref()
    {
        unsigned d = rng.range(1, 8);
        pending |= 1u << d;
        return std::to_string(d) + "f";
    }
    // Pending forward labels, all defined on the line given.
    std::string resolve()
    {
        std::string s;
        for (int d = 1; d <= 8; ++d)
            if (pending & (1u << d)) {
                s += std::to_string(d) + ":\t";
                fbdef[d] = true;
            }
        pending = 0;
        return s;
    }

    // ----- statements -----

    // An instruction that refers to no numeric label.
    std::string simple_instr()
    {
        unsigned r = rng.below(100);
        if (r < 40)
            return std::string(rng.pick(dbl_ops)) + "\t" + operand(false) + "," + operand(true);
        if (r < 62) {
            std::string op = rng.pick(sgl_ops);
            return op + "\t" + operand(true);
        }
        if (r < 67)
            return "jsr\tpc," + (rng.chance(50) ? code_ref() : ext_ref());
        if (r < 69)
            return "jsr\tr5," + (rng.chance(50) ? use("csv") : "@#" + ext_ref());
        if (r < 71)
            return rng.chance(50) ? "jmp\t@" + offset() + "(" + reg(false) + ")" : "jmp\t" + code_ref();
        if (r < 73)
            return rng.chance(60) ? "mtps\t#" + oct(rng.below(8) << 5) : "mfps\t" + operand(true);
        if (r < 79) {
            const char* op = rng.pick({"mul", "div", "ash", "ashc", "xor"} );
            std::string rr = "r" + std::to_string(2 * rng.below(3));
            if (std::strcmp(op, "xor") == 0)
                return "xor\t" + reg(false) + "," + operand(true);
            if (op[0] == 'a')
                return std::string(op) + "\t#" + (rng.chance(30) ? "-" : "") + oct(rng.range(1, 8)) + "," + rr;
            return std::string(op) + "\t" + operand(false) + "," + rr;
        }
        if (r < 83) {
            unsigned k = rng.below(100);
            if (k < 40)
                return "trap\t" + oct(rng.below(64));
            if (k < 70)
                return "emt\t" + oct(rng.below(256));
            if (k < 85)
                return "sys\t" + oct(rng.below(48));
            return "mark\t" + oct(rng.below(6));
        }
        if (r < 87)
            return rng.pick(no_ops);
        if (r < 94)
            return float_instr();
        if (r < 97)
            return "bit\t#" + konst(bit_consts) + ",@#" + konst(csr_consts);
        return "mov\t#" + cexpr() + "," + operand(true);
    }
    std::string fr() { return "fr" + std::to_string(rng.below(4)); }
    std::string float_instr()
    {
        switch (rng.below(12)) {
        case 0: return "setd";
        case 1: return "setf";
        case 2: return "cfcc";
        case 3: return "ldfps\t#" + oct(rng.below(8) << 7);
        case 4: return "stfps\t" + operand(true);
        case 5: return "movf\t" + operand(false) + "," + fr();
        case 6: return "movf\t" + fr() + "," + operand(true);
        case 7: return std::string(rng.pick({"addf", "subf", "mulf", "divf", "cmpf"})) + "\t" + operand(false) + "," + fr();
        case 8: return "movif\t" + reg(false) + "," + fr();
        case 9: return "movfi\t" + fr() + "," + reg(false);
        case 10: return std::string(rng.pick({"clrf", "negf", "absf", "tstf"})) + "\t" + fr();
        default: return "modf\t" + fr() + "," + fr();
        }
    }
    std::string branch(unsigned left)
    {
        std::string target;
        unsigned r = rng.below(100);
        if (r < 40 && any_back())
            target = back_ref();
        else if (r < 75 && left >= 3)
            target = fwd_ref();
        else if (r < 80)
            target = ".+" + oct(2 * rng.range(2, 4));
        else
            target = code_ref();
        return std::string(rng.pick(branches)) + "\t" + target;
    }

    // Macro call lines.  Calls that make a generated label or run a repeat
    // directive draw on their budgets.
    std::string macro_call()
    {
        noshift = true;
        std::string l = macro_call_text();
        noshift = false;
        return l;
    }
    std::string macro_call_text()
    {
        if (genlab_due()) {
            ++genlabs;
            if (rng.chance(50))
                return "copy\t#" + aexpr() + "," + (rng.chance(50) ? "#" + aexpr() : reg(false)) + ",#" +
                       konst(size_consts);
            return "check\t" + operand(false) + ",#" + cterm();
        }
        if (repeat_due(1)) {
            std::string rr = reg(false);
            if (rng.chance(60))
                return "shift\t" + rr + "," + oct(rng.range(1, 4));
            return "shift\t" + rr + ",\\" + konst(small_consts);
        }
        unsigned r = rng.below(100);
        if (r < 28)
            return "push\t" + operand(false);
        if (r < 50)
            return "pop\t" + operand(true);
        if (r < 68) {
            if (rng.chance(50))
                return "call\t" + code_ref();
            return "call\t" + code_ref() + ",#" + aexpr();
        }
        if (r < 84) {
            if (rng.chance(20)) {
                std::string rr = reg(false);
                return "move\t" + rr + "," + rr;
            }
            return "move\t" + operand(false) + "," + operand(true);
        }
        fbdef[9] = true;
        if (rng.chance(40))
            return "fill\t#" + aexpr() + ",,#" + konst(small_consts);
        if (rng.chance(30))
            return "fill\t<#" + aexpr() + ">,#" + cterm() + ",#" + konst(size_consts);
        return "fill\t#" + aexpr() + ",#" + cterm() + ",#" + konst(small_consts);
    }
    bool genlab_due()
    {
        if (genlabs >= genlab_max || lines < next_genlab)
            return false;
        next_genlab += genlab_every;
        return true;
    }
    bool repeat_due(unsigned cost)
    {
        if (repeats + cost > repeat_max || lines < next_repeat)
            return false;
        repeats += cost;
        next_repeat += repeat_every * cost;
        return true;
    }

    std::string iif_line()
    {
        static const char* const conds[] = {".eq.", ".ne.", ".gt.", ".ge.", ".lt.", ".le."};
        return "\t.iif\t" + std::string(rng.pick(conds)) + "\t" + flag_expr() + ",\t" + simple_instr();
    }
    std::string flag_expr()
    {
        unsigned r = rng.below(100);
        std::string f = use(rng.pick(flags));
        if (r < 60)
            return f;
        if (r < 80)
            return f + "-" + oct(rng.below(4));
        if (r < 90 || noshift)
            return "[" + f + "&" + oct(1u << rng.below(3)) + "]";
        return f + "\\>1";
    }
    std::string cond_head()
    {
        unsigned r = rng.below(100);
        static const char* const conds[] = {".eq.", ".ne.", ".gt.", ".ge.", ".lt.", ".le."};
        if (r < 70)
            return "\t.if\t" + std::string(rng.pick(conds)) + "\t" + flag_expr();
        if (r < 80)
            return "\t.if\t.df.\t" + use(rng.pick(undefined_flags));
        if (r < 88)
            return "\t.if\t.ndf.\t" + use(rng.pick(undefined_flags));
        if (r < 94)
            return "\t.if\t.df.\t" + code_ref();
        return "\t.if\t.df.\t" + use(rng.pick(flags));
    }

    // A conditional block of exactly n lines (n >= 3), without labels.
    void conditional(unsigned n)
    {
        emit(cond_head() + trailer(20));
        noshift = true;
        unsigned body = n - 2;
        bool nested = body >= 5 && rng.chance(20);
        unsigned split = body >= 3 && rng.chance(50) ? rng.range(1, body - 2) : 0;  // line of .iff/.ift/.iftf
        for (unsigned i = 0; i < body;) {
            if (split && i == split) {
                static const char* const sw[] = {"\t.iff", "\t.iff", "\t.ift", "\t.iftf"};
                emit(std::string(rng.pick(sw)) + trailer(15));
                ++i;
                continue;
            }
            if (nested && i + 3 <= body && (!split || i > split || i + 3 <= split)) {
                nested = false;
                emit(cond_head());
                emit("\t" + simple_instr());
                emit("\t.endc");
                i += 3;
                continue;
            }
            emit("\t" + simple_instr() + trailer(15));
            ++i;
        }
        emit("\t.endc" + trailer(10));
        noshift = false;
    }

    // A repeat block of n lines, 3 to 6.
    void repeat_block(unsigned n)
    {
        unsigned body = n - 2;
        unsigned r = rng.below(100);
        if (r < 35) {
            emit("\t.rept\t" + (rng.chance(60) ? oct(rng.range(2, 5)) : konst(small_consts)) + trailer(20));
            for (unsigned i = 0; i < body; ++i)
                emit("\t" + std::string(rng.pick({"asl", "asr", "rol", "ror", "inc", "dec", "clr", "tst"})) +
                     "\t" + (rng.chance(70) ? reg(false) : "(" + reg() + ")+"));
        } else if (r < 80) {
            std::vector<std::string> items;
            unsigned k = rng.range(2, 5);
            bool regs = rng.chance(55);
            for (unsigned i = 0; i < k; ++i)
                items.push_back(regs ? "r" + std::to_string(rng.below(6)) : data_ref());
            std::string list;
            for (auto& s : items)
                list += (list.empty() ? "" : ",") + s;
            emit("\t.irp\t" + std::string(regs ? "rg" : "ix") + ",<" + list + ">");
            for (unsigned i = 0; i < body; ++i) {
                if (regs)
                    emit("\t" + std::string(rng.pick({"clr", "tst", "inc", "com"})) + "\trg" + trailer(15));
                else
                    emit(rng.chance(50) ? "\tmov\t#ix,r0" : "\tclr\tix" + trailer(10));
            }
        } else {
            std::string digits;
            unsigned k = rng.range(2, 6);
            for (unsigned i = 0; i < k; ++i)
                digits += char('0' + rng.below(8));
            emit("\t.irpc\tdg," + digits);
            for (unsigned i = 0; i < body; ++i)
                emit(rng.chance(50) ? "\tbis\t#1\\<dg,r" + std::to_string(rng.below(6))
                                    : "\tmov\t#dg*" + oct(rng.range(2, 8)) + ",-(sp)");
        }
        emit("\t.endr");
    }

    // One routine of exactly n lines (n >= 6).
    void routine(unsigned n)
    {
        unsigned left = n;
        if (rng.chance(55)) {
            emit("; " + phrase(3, 9));
            --left;
        }
        if (label_due()) {
            std::string name = new_code();
            if (rng.chance(50)) {
                emit(name + (rng.chance(12) ? "::" : ":") + trailer(25));
                --left;
            } else {
                // the label shares the line with the first instruction
                emit(name + ":\t" + simple_instr() + trailer(25));
                --left;
            }
        }
        bool saved = left >= 8 && repeat_due(2);
        if (saved) {
            emit("\tsavall" + trailer(30));
            --left;
        }
        unsigned last = saved ? 2 : 1;  // lines kept for the ending
        while (left > last) {
            unsigned avail = left - last;
            unsigned r = rng.below(1000);
            if (r < 30 && avail >= 5) {
                unsigned k = rng.range(3, std::min(avail, 8u));
                conditional(k);
                left -= k;
                continue;
            }
            if (r < 40 && avail >= 4 && repeat_due(1)) {
                unsigned k = rng.range(3, std::min(avail, 5u));
                repeat_block(k);
                left -= k;
                continue;
            }
            std::string l;
            if (r < 80)
                l = comment_line();
            else if (r < 95)
                l = "";
            else if (r < 180)
                l = "\t" + macro_call() + trailer(20);
            else if (r < 190)
                l = iif_line();
            else {
                std::string lab = rng.chance(13) ? fb_def() : "";
                std::string ins;
                unsigned k = rng.below(100);
                if (k < 18)
                    ins = branch(left);
                else if (k < 21 && any_back())
                    ins = "sob\t" + reg(false) + "," + back_ref();
                else
                    ins = simple_instr();
                l = lab + "\t" + ins + trailer(22);
            }
            emit(l);
            --left;
        }
        if (saved)
            emit("\trstall");
        static const char* const enders[] = {"rts\tpc", "rts\tpc", "rts\tpc", "jmp\tcret", "rti", "br\t"};
        std::string e = rng.pick(enders);
        if (e == "jmp\tcret")
            use("cret");
        if (e == "br\t")
            e += code_ref();
        emit(resolve() + "\t" + e + trailer(15));
    }

    std::string ascii_text()
    {
        std::string s = phrase(1, 5);
        unsigned r = rng.below(100);
        if (r < 30)
            s += "\\n";
        else if (r < 40)
            s += "\\r\\n";
        else if (r < 45)
            s = "\\t" + s;
        else if (r < 48)
            s += " \\<x\\>";
        return "<" + s + ">";
    }
    std::string word_list(bool bytes)
    {
        std::string s;
        unsigned k = rng.range(1, bytes ? 8 : 6);
        for (unsigned i = 0; i < k; ++i) {
            if (i)
                s += ",";
            unsigned r = rng.below(100);
            if (bytes)
                s += r < 60 ? oct(rng.below(256)) : r < 85 ? "'" + std::string(1, char('a' + rng.below(26))) : "-" + oct(rng.range(1, 8));
            else if (r < 35)
                s += small_num();
            else if (r < 55)
                s += code_ref();
            else if (r < 70)
                s += aexpr();
            else if (r < 80)
                s += char_const();
            else
                s += cexpr();
        }
        return s;
    }

    // A block of data in the data segment, n lines (n >= 4).
    void data_block(unsigned n)
    {
        emit("\t.data");
        unsigned left = n - 2;
        if (label_due()) {
            emit(new_data() + ":" + (rng.chance(50) ? "\t.word\t" + word_list(false) : ""));
            --left;
        }
        bool odd = false;
        while (left > 0) {
            unsigned r = rng.below(100);
            if (r < 12 && left >= 3 && repeat_due(1)) {
                emit("\t.irpc\tdg," + std::to_string(rng.range(10, 9999)));
                emit("\t.byte\tdg" + std::string(rng.chance(50) ? "+'0" : ""));
                emit("\t.endr");
                odd = true;
                left -= 3;
                continue;
            }
            if (odd && rng.chance(70)) {
                emit("\t.even");
                odd = false;
            } else if (r < 40)
                emit("\t.word\t" + word_list(false) + trailer(20));
            else if (r < 60) {
                emit("\t.byte\t" + word_list(true) + trailer(10));
                odd = true;
            } else if (r < 78) {
                emit("\t.ascii\t" + ascii_text());
                odd = true;
            } else if (r < 84) {
                emit("\t" + ascii_text() + trailer(10));  // a bare string
                odd = true;
            } else if (r < 92)
                emit("\t.blkw\t" + (rng.chance(50) ? oct(rng.range(1, 40)) : konst(small_consts)));
            else
                emit(comment_line());
            --left;
        }
        emit("\t.text");
    }

    void bss_block(unsigned n)
    {
        emit("\t.bss");
        unsigned left = n - 2;
        if (label_due()) {
            emit(new_data() + ":\t.blkw\t" + (rng.chance(50) ? konst(size_consts) : dec(rng.range(1, 256))));
            --left;
        }
        while (left > 0) {
            unsigned r = rng.below(100);
            if (r < 45)
                emit("\t.blkw\t" + (rng.chance(50) ? oct(rng.range(1, 100)) : "[" + konst(small_consts) + "*2]"));
            else if (r < 65)
                emit("\t. = .+" + oct(2 * rng.range(1, 20)) + trailer(20));
            else if (r < 85) {
                emit("\t.even");
            } else
                emit(comment_line());
            --left;
        }
        emit("\t.text");
    }

    void assignment()
    {
        unsigned r = rng.below(100);
        if (r < 70) {
            std::string k = konst(max_consts);
            emit(k + "\t= " + (rng.chance(40) ? k + "+" + oct(rng.range(1, 4)) : cexpr()) + trailer(20));
        } else {
            emit(konst(max_consts) + "\t=\t" + cexpr() + trailer(20));
        }
    }

    // ----- header -----

    void header(unsigned seed)
    {
        emit("; benchmark source, seed " + std::to_string(seed) + ", " + std::to_string(lines_wanted) + " lines");
        emit(";");
        emit("; system routines, device drivers and tables");
        emit("");
        std::string g;
        for (const char* e : externs) {
            if (g.size() > 50) {
                emit("\t.globl\t" + g);
                g.clear();
            }
            g += (g.empty() ? "" : ",") + use(e);
        }
        for (const char* e : ext_data)
            g += "," + use(e);
        emit("\t.globl\t" + g);
        g.clear();
        for (unsigned i = 0; i < 8; ++i)
            g += (g.empty() ? "" : ",") + use(codepool[i]);
        emit("\t.globl\t" + g + "\t; entry points");
        for (const char* c : commons)
            emit("\t.comm\t" + use(c) + "," + oct(2 * rng.range(1, 100)));
        emit("");
        emit("; configuration");
        emit(use("debug") + "\t= 0");
        emit(use("ftrace") + "\t= 1");
        emit(use("fpu") + "\t= 1");
        emit(use("model") + "\t= 45.");
        emit(use("level") + "\t= 2");
        emit(use("nbufs") + "\t== 6\t\t; global");
        flags = {"debug", "ftrace", "fpu", "model", "level", "nbufs"};
        emit(use("fp") + "\t= r5\t\t; frame pointer");
        emit(use("tp") + "\t= r3");
        emit("");
        emit("; device registers and constants");
        static const char* const suffix[] = {"csr", "n", "siz", "vec", "bit", "max"};
        for (unsigned i = 0; i < 17; ++i) {
            const char* p = prefixes[i];
            for (unsigned k = 0; k < 6; ++k) {
                if (i > 0 && k >= 3 && rng.chance(40))
                    continue;
                std::string name = std::string(p) + "." + suffix[k];
                std::string val;
                Kind kind = Kind(k);
                switch (kind) {
                case Kind::csr: val = oct(0177400 + 2 * rng.below(0177)); csr_consts.push_back(name); break;
                case Kind::n: val = oct(rng.range(1, 6)); small_consts.push_back(name); break;
                case Kind::siz: val = rng.chance(50) ? dec(16 * rng.range(1, 16)) : oct(8 * rng.range(2, 32));
                    size_consts.push_back(name); break;
                case Kind::vec: val = oct(4 * rng.range(1, 0100)); vec_consts.push_back(name); break;
                case Kind::bit: val = rng.chance(50) ? oct(1u << rng.below(16)) : "1\\<" + oct(rng.below(16));
                    bit_consts.push_back(name); break;
                case Kind::max: val = max_consts.empty() ? oct(rng.below(01000)) : cexpr(1);
                    max_consts.push_back(name); break;
                }
                // values only refer to constants defined before them
                consts.push_back(name);
                emit(use(name) + "\t= " + val);
            }
        }
        emit("");
        static const char* const macros[] = {
            "; push and pop a word on the stack",
            "\t.macro\tpush\ta",
            "\tmov\ta,-(sp)",
            "\t.endm",
            "\t.macro\tpop\ta",
            "\tmov\t(sp)+,a",
            "\t.endm",
            "; call a routine, with an optional argument in r0",
            "\t.macro\tcall\tnm,b",
            "\t.if\t.nb.\tb",
            "\tmov\tb,r0",
            "\t.endc",
            "\tjsr\tpc,nm",
            "\t.endm\tcall",
            "\t.macro\tmove\ta,b",
            "\t.if\t.dif.\ta,b",
            "\tmov\ta,b\t\t; only when they differ",
            "\t.endc",
            "\t.endm",
            "; fill n words at d with v (zero when v is empty)",
            "\t.macro\tfill\td,v,n",
            "\tmov\td,r1",
            "\t.if\t.b.\tv",
            "\tclr\tr0",
            "\t.iff",
            "\tmov\tv,r0",
            "\t.endc",
            "\tmov\tn,r2",
            "9:\tmov\tr0,(r1)+",
            "\tsob\tr2,9b",
            "\t.endm\tfill",
            "; copy n bytes from s to d",
            "\t.macro\tcopy\ts,d,n,?lp",
            "\tmov\ts,r0\t\t; from",
            "\tmov\td,r1\t\t; to",
            "\tmov\tn,r2",
            "lp:\tmovb\t(r0)+,(r1)+",
            "\tsob\tr2,lp",
            "\t.endm\tcopy",
            "\t.macro\tcheck\ta,b,?sk",
            "\tcmp\ta,b",
            "\tbeq\tsk",
            "\tjsr\tpc,_panic",
            "sk:\tnop",
            "\t.endm",
            "; save and restore r0-r5",
            "\t.macro\tsavall",
            "\t.irp\trg,<r0,r1,r2,r3,r4,r5>",
            "\tmov\trg,-(sp)",
            "\t.endr",
            "\t.endm",
            "\t.macro\trstall",
            "\t.irp\trg,<r5,r4,r3,r2,r1,r0>",
            "\tmov\t(sp)+,rg",
            "\t.endr",
            "\t.endm",
            "; shift a left n places",
            "\t.macro\tshift\ta,n",
            "\t.rept\tn",
            "\tasl\ta",
            "\t.endr",
            "\t.endm",
        };
        for (const char* m : macros)
            emit(m);
        for (const char* m : macro_names)
            use(m);
        use("_panic");
        emit("");
        emit("\t.text");
    }

    void run(unsigned seed, unsigned nlines)
    {
        lines_wanted = nlines;
        for (const char* p : permanent)
            reserved.insert(p);
        for (const char* f : formals)
            reserved.insert(f);
        for (const char* m : macro_names)
            reserved.insert(m);
        codepool = pool(verbs, sizeof verbs / sizeof *verbs);
        datapool = pool(nouns, sizeof nouns / sizeof *nouns);

        header(seed);
        label_every = std::max(30u, nlines / named_max);
        genlab_every = std::max(60u, nlines / genlab_max);
        repeat_every = std::max(40u, nlines / repeat_max);
        next_label = next_genlab = next_repeat = lines;

        while (room() > 0) {
            unsigned r = rng.below(100);
            unsigned left = room();
            if (r < 58 && left >= 8) {
                routine(std::min(left, rng.range(8, 34)));
            } else if (r < 68 && left >= 5) {
                data_block(std::min(left, rng.range(5, 14)));
            } else if (r < 72 && left >= 4) {
                bss_block(std::min(left, rng.range(4, 7)));
            } else if (r < 78 && left >= 4) {
                conditional(std::min(left, rng.range(4, 10)));
            } else if (r < 81 && left >= 5 && repeat_due(1)) {
                repeat_block(std::min(left, rng.range(3, 6)));
            } else if (r < 88) {
                unsigned k = std::min(left, rng.range(1, 4));
                for (unsigned i = 0; i < k; ++i)
                    emit(comment_line());
            } else if (r < 92) {
                assignment();
            } else if (r < 95) {
                emit("");
            } else {
                emit("\t" + simple_instr() + trailer(30));
            }
        }
        flush();
        fprintf(stderr,
                "gen: %u lines, %zu distinct user symbols + %u generated labels, %u repeat directives\n",
                lines, used.size(), genlabs, repeats);
    }
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        fprintf(stderr, "usage: gen SEED LINES > file.s\n");
        return 2;
    }
    char* end;
    unsigned long seed = strtoul(argv[1], &end, 10);
    if (*end) {
        fprintf(stderr, "gen: bad seed %s\n", argv[1]);
        return 2;
    }
    unsigned long nlines = strtoul(argv[2], &end, 10);
    if (*end || nlines < 200 || nlines > 5000000) {
        fprintf(stderr, "gen: LINES must be a number from 200 to 5000000\n");
        return 2;
    }
    Gen g;
    g.rng.s = seed * 0x2545f4914f6cdd1dULL + 1;
    g.run(unsigned(seed), unsigned(nlines));
    return ferror(stdout) ? 1 : 0;
}
