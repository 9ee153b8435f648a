// Binds the document given as the first argument, as a second program would, and prints
// "bound" or "error <number>". With "hold" as second argument it keeps the document bound
// until its standard input closes; with "save" and a path it then saves the document there
// and prints "saved" or the error.
#include <QCoreApplication>
#include <cstdio>
#include <iostream>
#include <string>

#include "document/Document.h"
#include "shell/AppError.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2) return 2;
    try {
        auto document = sentrel::doc::Document::bind(QString::fromLocal8Bit(argv[1]));
        std::printf("bound\n");
        std::fflush(stdout);
        const std::string mode = argc > 2 ? argv[2] : "";
        if (mode == "hold") {
            std::string line;
            std::getline(std::cin, line);
        }
        if (mode == "save" && argc > 3) {
            document->save(QString::fromLocal8Bit(argv[3]));
            std::printf("saved\n");
        }
    } catch (const sentrel::AppError& e) {
        std::printf("error %d\n", e.number());
    }
    return 0;
}
