// The settings file: every key read by the program, then written back and read again.
#include "FuzzSupport.h"

#include "store/IniFile.h"
#include "store/Settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray input = FuzzSupport::bytes(data, size);
    FuzzSupport::file("QORVX3.INI", input);
    const Settings settings = LoadSettings(FuzzSupport::folder());
    SaveSettings(settings, FuzzSupport::folder());
    // What was saved reads back as the same settings.
    const Settings again = LoadSettings(FuzzSupport::folder());
    if (again.WindowSize != settings.WindowSize || again.Attempts != settings.Attempts)
        __builtin_trap();

    IniFile ini = IniFile::fromBytes(input);
    const QByteArray key = input.left(8);
    ini.value(key, key, "default", 15);
    ini.setValue(key, key, input.right(16));
    IniFile::fromBytes(ini.toBytes()).value(key, key, "", IniFile::NoLimit);
    return 0;
}
