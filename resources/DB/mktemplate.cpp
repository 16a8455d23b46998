// Builds the template database: runs the given schema scripts, in order, into
// a new file. Scripts are split at every ";" exactly as the migration does.
#include <sqlite3.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

static bool blank(const std::string& s)
{
    return s.find_first_not_of(" \t\r\n") == std::string::npos;
}

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s output.db script.sql...\n", argv[0]);
        return 2;
    }
    const std::string out = argv[1];
    std::remove(out.c_str());
    std::remove((out + "-journal").c_str());
    sqlite3* db = nullptr;
    if (sqlite3_open(out.c_str(), &db) != SQLITE_OK) {
        std::fprintf(stderr, "cannot create %s\n", out.c_str());
        return 1;
    }
    for (int i = 2; i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "cannot read %s\n", argv[i]);
            sqlite3_close(db);
            std::remove(out.c_str());
            return 1;
        }
        std::stringstream text;
        text << in.rdbuf();
        std::string script = text.str();
        std::string piece;
        std::istringstream pieces(script);
        while (std::getline(pieces, piece, ';')) {
            if (blank(piece))
                continue;
            char* error = nullptr;
            if (sqlite3_exec(db, piece.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
                std::fprintf(stderr, "%s: %s\n  in: %s\n", argv[i], error ? error : "?", piece.c_str());
                sqlite3_free(error);
                sqlite3_close(db);
                std::remove(out.c_str());
                return 1;
            }
        }
    }
    sqlite3_exec(db, "VACUUM", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return 0;
}
