#include "export/SolverPageAssets.h"

#include <QFile>

// The resources live in the static core library: naming them here links them in. (The macro
// cannot stand inside a namespace.)
static int loadResources()
{
    Q_INIT_RESOURCE(SolverPage);
    return 0;
}

namespace {

// A resource compiled into the core library; the tests check that every one is there.
QByteArray resource(const char* name)
{
    static const int loaded = loadResources();
    (void)loaded;
    QFile file(QStringLiteral(":/solver/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

namespace SolverPageAssets {

QByteArray style()
{
    return resource("solver.css");
}

QByteArray body()
{
    return resource("solver-body.html");
}

QByteArray script()
{
    return resource("solver-texts.js") + resource("solver.js");
}

} // namespace SolverPageAssets
