/*
 * floor SRC LST INFO TOK
 *
 * The least work a line-by-line pass over SRC can do through stdio: read
 * every byte with getc, and for every line write one listing-sized formatted
 * line to LST, one line-information record to INFO and a token word per
 * operator and per name or number (plus the line end) to TOK.  INFO and
 * TOK go through fixed 512-byte buffers, as the assembler's intermediate
 * files must; LST keeps stdio's default buffer, as the assembler's listing
 * does.  The assembler is timed against this.
 */
#include <stdio.h>
#include <stdlib.h>

static char infobuf[512], tokbuf[512];

static void word(FILE *f, unsigned w)
{
    putc(w & 0377, f);
    putc((w >> 8) & 0377, f);
}

static int isname(int c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           c == '.' || c == '_' || c == '$' || c == '?' || c == '~';
}

static FILE *create(const char *path, char *buf)
{
    FILE *f = fopen(path, "wb");
    if (!f) {
        fprintf(stderr, "floor: cannot open %s\n", path);
        exit(3);
    }
    if (buf)
        setvbuf(f, buf, _IOFBF, 512);
    return f;
}

int main(int argc, char **argv)
{
    if (argc != 5) {
        fprintf(stderr, "usage: floor SRC LST INFO TOK\n");
        return 2;
    }
    FILE *src = fopen(argv[1], "r");
    if (!src) {
        fprintf(stderr, "floor: cannot open %s\n", argv[1]);
        return 3;
    }
    FILE *lst = create(argv[2], NULL);
    FILE *info = create(argv[3], infobuf);
    FILE *tok = create(argv[4], tokbuf);

    char text[161], dot[8], num[12];
    int len = 0, line = 1, inname = 0, comment = 0, c;
    unsigned loc = 0;
    do {
        c = getc(src);
        if (c != EOF && c != '\n') {
            if (len < 159)
                text[len++] = (char)c;
            if (comment)
                continue;
            if (isname(c)) {
                if (!inname)
                    word(tok, 04000 + 4 * (unsigned)c);
                inname = 1;
                continue;
            }
            inname = 0;
            if (c == ';')
                comment = 1;
            else if (c != ' ' && c != '\t')
                word(tok, (unsigned)c);
            continue;
        }
        if (c == EOF && len == 0)
            break;
        text[len++] = '\n';
        text[len] = 0;
        word(tok, 012);
        snprintf(dot, sizeof dot, "%06o", loc & 0177777);
        snprintf(num, sizeof num, "%5d", line);
        fprintf(lst, "%6.6s   %6.6s %6.6s %6.6s  %5.5s%2.2s   %s", dot, "......", "", "", num, "  ", text);
        fprintf(info, "%d %d %s\n%s\n", line, 0, argv[1], text);
        loc += 2;
        ++line;
        len = 0;
        inname = comment = 0;
    } while (c != EOF);

    int bad = ferror(src);
    bad |= fclose(lst) != 0;
    bad |= fclose(info) != 0;
    bad |= fclose(tok) != 0;
    fclose(src);
    if (bad) {
        fprintf(stderr, "floor: i/o error\n");
        return 3;
    }
    return 0;
}
