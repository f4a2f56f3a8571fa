// Connection descriptions: any text may be read, and a built one gives back the file it was built for.
#include "FuzzInput.h"

#include "store/ConnectionString.h"

using namespace corvella;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::FuzzInput input(data, size);
    const QString folder = input.text();
    const QString file = input.text();
    store::dataSourceOf(folder + file);
    const QString built = store::MakeConnectionString(folder, file);
    if (store::dataSourceOf(built) != folder + file)
        fuzz::fail("a built connection string names another file", built);
    return 0;
}
