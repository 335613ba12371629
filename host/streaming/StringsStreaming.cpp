// TStrings in component streams: the items travel as the defined property "Strings".

#include "host/core/Strings.h"
#include "host/streaming/Filer.h"

void TStrings::DefineProperties(TFiler* Filer) {
    auto read = [this](TReader* Reader) {
        Reader->ReadListBegin();
        TStringsUpdate update(this);
        Clear();
        while (!Reader->EndOfList())
            Add(Reader->ReadString());
        Reader->ReadListEnd();
    };
    auto write = [this](TWriter* Writer) {
        Writer->WriteListBegin();
        for (int i = 0; i < Count(); ++i)
            Writer->WriteString(Get(i));
        Writer->WriteListEnd();
    };
    Filer->DefineProperty("Strings", read, write, Count() > 0);
}
