// quorvex-cli: batch construction, listing and export with the same core as the program.
#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::fprintf(stderr, "usage: quorvex-cli build|list|show|export ...\n");
    return 1;
}
