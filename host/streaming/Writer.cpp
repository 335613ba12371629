// TWriter: components and values to the binary component stream.

#include <bit>
#include <cmath>
#include <cstring>

#include "host/core/Collection.h"
#include "host/core/Stream.h"
#include "host/core/TextCodec.h"
#include "host/streaming/Filer.h"

ZK_IMPLEMENT_CLASS(TWriter, TFiler, nullptr)

using namespace zk::stream;

TWriter::TWriter(TStream* Stream, int BufSize) : TFiler(Stream, BufSize) {}

TWriter::~TWriter() {
    try {
        FlushBuffer();
    } catch (const Exception&) {
        // A destructor cannot report it; callers that care flush explicitly.
    }
}

// ---- Buffer -------------------------------------------------------------------------------

void TWriter::Write(const void* Data, int64_t Count) {
    auto* p = static_cast<const unsigned char*>(Data);
    while (Count > 0) {
        if (FBufPos == FBuffer.size()) {
            // Against an ancestor a record may still be taken back: nothing leaves the buffer.
            if (FHoldBuffer)
                FBuffer.resize(FBuffer.size() * 2 + 64);
            else
                FlushBuffer();
        }
        size_t n = std::min(FBuffer.size() - FBufPos, static_cast<size_t>(Count));
        std::memcpy(FBuffer.data() + FBufPos, p, n);
        FBufPos += n;
        p += n;
        Count -= static_cast<int64_t>(n);
    }
}

void TWriter::FlushBuffer() {
    if (FBufPos == 0) return;
    size_t n = FBufPos;
    FBufPos = 0;
    FStream->WriteBuffer(FBuffer.data(), static_cast<int64_t>(n));
    FFlushed += static_cast<int64_t>(n);
}

int64_t TWriter::Position() const {
    return FFlushed + static_cast<int64_t>(FBufPos);
}

// ---- Values -------------------------------------------------------------------------------

void TWriter::WriteSignature() {
    Write(FilerSignature, 4);
}

void TWriter::WriteValue(TValueType Value) {
    auto b = static_cast<unsigned char>(Value);
    Write(&b, 1);
}

void TWriter::WriteInteger(int64_t Value) {
    std::string out;
    AppendInteger(out, Value);
    WriteBytes(out);
}

void TWriter::WriteFloat(double Value) {
    unsigned char bytes[10];
    DoubleToExtended(Value).ToBytes(bytes);
    WriteValue(vaExtended);
    Write(bytes, 10);
}

void TWriter::WriteSingle(float Value) {
    std::string out(1, static_cast<char>(vaSingle));
    AppendLE(out, std::bit_cast<uint32_t>(Value), 4);
    WriteBytes(out);
}

void TWriter::WriteCurrency(double Value) {
    std::string out(1, static_cast<char>(vaCurrency));
    AppendLE(out, static_cast<uint64_t>(std::llround(Value * 10000.0)), 8);
    WriteBytes(out);
}

void TWriter::WriteDate(TDateTime Value) {
    std::string out(1, static_cast<char>(vaDate));
    AppendLE(out, std::bit_cast<uint64_t>(Value), 8);
    WriteBytes(out);
}

void TWriter::WriteBoolean(bool Value) {
    WriteValue(Value ? vaTrue : vaFalse);
}

void TWriter::WriteIdent(const std::string& Ident) {
    std::string out;
    AppendIdent(out, Ident);
    WriteBytes(out);
}

void TWriter::WriteString(const std::string& Value) {
    std::string out;
    AppendText(out, Value);
    WriteBytes(out);
}

void TWriter::WriteStr(const std::string& Value) {
    // A name is a length byte and its bytes; cut short, it would load as another name.
    if (Value.size() > MaxShortStr)
        throw EWriteError("名称太长，无法写入（" + IntToStr(int64_t(Value.size())) +
                          " 字节，最多 255 字节）：" + Value.substr(0, 32) + "…");
    std::string out;
    AppendShortStr(out, Value);
    WriteBytes(out);
}

void TWriter::WriteListBegin() {
    WriteValue(vaList);
}

void TWriter::WriteListEnd() {
    WriteValue(vaNull);
}

void TWriter::WriteSet(const TTypeInfo* SetType, uint64_t Value) {
    WriteValue(vaSet);
    const TTypeInfo* members = SetType->Data.CompType;
    for (int i = 0; i < 64; ++i)
        if (Value & (uint64_t(1) << i)) WriteStr(GetEnumName(members, i));
    WriteStr(std::string());
}

void TWriter::WriteCollection(TCollection* Value) {
    WriteValue(vaCollection);
    if (Value) {
        // Item property names are relative to the item.
        std::string savedPath = FPropPath;
        FPropPath.clear();
        for (int i = 0; i < Value->Count(); ++i) {
            WriteListBegin();
            WriteProperties(Value->Items(i));
            WriteListEnd();
        }
        FPropPath = savedPath;
    }
    WriteListEnd();
}

void TWriter::WriteBinary(const void* Data, int64_t Count) {
    if (Count < 0 || Count > INT32_MAX) throw EWriteError("二进制属性太大，无法写入");
    std::string out(1, static_cast<char>(vaBinary));
    AppendLE(out, static_cast<uint64_t>(Count), 4);
    WriteBytes(out);
    Write(Data, Count);
}

void TWriter::WriteVariant(const Variant& Value) {
    switch (Value.VarType()) {
    case varEmpty:
        WriteValue(vaNil);
        break;
    case varNull:
        WriteValue(vaNull);
        break;
    case varBoolean:
        WriteBoolean(Value.AsBoolean());
        break;
    case varInteger:
    case varInt64:
        WriteInteger(Value.AsInt64());
        break;
    case varDouble:
        WriteFloat(Value.AsDouble());
        break;
    case varDate:
        WriteDate(Value.AsDouble());
        break;
    case varString:
        WriteString(Value.AsString());
        break;
    case varObject:
        throw EWriteError("不支持的属性值类型");
    }
}

// ---- Properties ---------------------------------------------------------------------------

void TWriter::WritePropName(const std::string& Name) {
    WriteStr(FPropPath + Name);
}

void TWriter::WriteProperties(TPersistent* Instance) {
    for (const TPropInfo* p : GetPropList(Instance)) {
        bool objectKind = p->PropType->Kind == tkClass;
        if (!IsStoredProp(Instance, p)) continue;
        if (!objectKind && !p->IsWritable()) continue;
        WriteProperty(Instance, p);
    }
    Instance->DefineProperties(this);
}

int64_t TWriter::OrdValue(TPersistent* Instance, const TPropInfo* PropInfo) const {
    int64_t value = 0;
    if (FView && FView->OrdValue(Instance, PropInfo, value)) return value;
    return GetOrdProp(Instance, PropInfo);
}

void TWriter::WriteProperty(TPersistent* Instance, const TPropInfo* PropInfo) {
    if (FAncestor) {
        WriteChangedProperty(Instance, PropInfo);
        return;
    }
    const TTypeInfo* type = PropInfo->PropType;
    if (type->Kind == tkClass) {
        WriteObjectProperty(Instance, PropInfo);
        return;
    }
    const bool ordinal = IsOrdinalKind(type->Kind);
    const int64_t v = ordinal ? OrdValue(Instance, PropInfo) : 0;
    const bool isDefault = ordinal ? PropInfo->Default != NoDefault && v == PropInfo->Default
                                   : IsDefaultPropValue(Instance, PropInfo);
    if (!FWriteDefaults && isDefault) return;
    switch (type->Kind) {
    case tkInteger: {
        std::string ident;
        TIntToIdent toIdent = FindIntToIdent(type);
        WritePropName(PropInfo->Name);
        if (toIdent && toIdent(static_cast<int32_t>(v), ident))
            WriteIdent(ident);
        else
            WriteInteger(v);
        break;
    }
    case tkChar:
    case tkWChar: {
        WritePropName(PropInfo->Name);
        std::string s;
        zk::text::AppendUtf8(s, static_cast<uint32_t>(v));
        WriteString(s);
        break;
    }
    case tkEnumeration:
        WritePropName(PropInfo->Name);
        if (type->Data.BaseType == TypeInfoOf<bool>() || SameText(type->Name, "WordBool"))
            WriteBoolean(v != 0);
        else
            WriteIdent(GetEnumName(type, static_cast<int>(v)));
        break;
    case tkSet:
        WritePropName(PropInfo->Name);
        WriteSet(type, static_cast<uint64_t>(v));
        break;
    case tkInt64:
        WritePropName(PropInfo->Name);
        WriteInteger(v);
        break;
    case tkFloat:
        WritePropName(PropInfo->Name);
        WriteFloat(GetFloatProp(Instance, PropInfo));
        break;
    case tkString:
    case tkLString:
    case tkWString:
        WritePropName(PropInfo->Name);
        WriteString(GetStrProp(Instance, PropInfo));
        break;
    case tkMethod: {
        // Only handlers bound by name can be found again on reading.
        TMethod m = PropInfo->Access.GetMethod(Instance);
        if (!m.Assigned() || m.Name.empty()) {
            if (FWriteDefaults) {
                WritePropName(PropInfo->Name);
                WriteValue(vaNil);
            }
            break;
        }
        WritePropName(PropInfo->Name);
        WriteIdent(m.Name);
        break;
    }
    case tkVariant: {
        Variant v = PropInfo->Access.GetVar(Instance);
        if (v.VarType() == varObject) break;
        WritePropName(PropInfo->Name);
        WriteVariant(v);
        break;
    }
    default:
        break;
    }
}

void TWriter::WriteObjectProperty(TPersistent* Instance, const TPropInfo* PropInfo) {
    TObject* value = GetObjectProp(Instance, PropInfo);
    if (!value) {
        // Nil differs from an ancestor's reference only when it is written.
        if (FWriteDefaults && PropInfo->IsWritable()) {
            WritePropName(PropInfo->Name);
            WriteValue(vaNil);
        }
        return;
    }
    if (auto* component = Cast<TComponent>(value)) {
        if (!PropInfo->IsWritable()) return;
        if (FView && !(component = FView->Reference(Instance, PropInfo, component))) return;
        std::string path = ComponentPath(component);
        if (path.empty()) return;
        WritePropName(PropInfo->Name);
        WriteIdent(path);
        return;
    }
    auto* persistent = Cast<TPersistent>(value);
    if (!persistent) return;
    if (++FNesting > TReader::MaxComponentDepth) {
        --FNesting;
        throw EWriteError("对象嵌套太深，无法写入");
    }
    std::string savedPath = FPropPath;
    FPropPath += PropInfo->Name + ".";
    try {
        if (auto* collection = Cast<TCollection>(persistent)) {
            // Published properties of the collection object itself come first; an empty
            // collection is its default and is not stored.
            for (const TPropInfo* p : GetPropList(collection))
                if (IsStoredProp(collection, p) &&
                    (p->PropType->Kind == tkClass || p->IsWritable()))
                    WriteProperty(collection, p);
            FPropPath = savedPath;
            if (collection->Count() > 0) {
                WritePropName(PropInfo->Name);
                WriteCollection(collection);
            }
        } else {
            WriteProperties(persistent);
        }
    } catch (...) {
        FPropPath = savedPath;
        --FNesting;
        throw;
    }
    FPropPath = savedPath;
    --FNesting;
}

std::string TWriter::ComponentPath(TComponent* Value) const {
    TComponent* root = FLookupRoot ? FLookupRoot : FRoot;
    if (Value == root) return "Owner";
    std::string path;
    for (TComponent* c = Value; c; c = c->Owner()) {
        if (c == root) return path;
        if (c->Name().empty()) return {};
        path = path.empty() ? c->Name() : c->Name() + "." + path;
        if (!c->Owner() && c != Value) return path; // inside another loaded root
    }
    // A root of its own other than the one being written.
    return Value->Name().empty() ? std::string() : Value->Name() + ".Owner";
}

// ---- Defined properties -------------------------------------------------------------------

void TWriter::DefineProperty(const std::string& Name, TReaderProc ReadData, TWriterProc WriteData,
                             bool HasData) {
    (void)ReadData;
    if (!WriteData) return;
    if (!FCaptureName.empty()) {
        if (!HasData || !SameText(Name, FCaptureName)) return;
    } else if (FAncestor) {
        WriteChangedDefined(Name, WriteData, HasData);
        return;
    }
    if (!HasData) return;
    WritePropName(Name);
    WriteData(this);
}

void TWriter::DefineBinaryProperty(const std::string& Name, TStreamProc ReadData,
                                   TStreamProc WriteData, bool HasData) {
    (void)ReadData;
    if (!WriteData) return;
    auto writeBinary = [WriteData](TWriter* Writer) {
        TMemoryStream data;
        WriteData(&data);
        Writer->WriteBinary(data.Memory(), data.Size());
    };
    DefineProperty(Name, nullptr, writeBinary, HasData);
}

// ---- Components ---------------------------------------------------------------------------

void TWriter::WriteRootComponent(TComponent* Root) {
    SetRoot(Root);
    FLookupRoot = Root;
    WriteSignature();
    WriteComponent(Root);
}

void TWriter::WriteComponent(TComponent* Component) {
    if (++FNesting > TReader::MaxComponentDepth) {
        --FNesting;
        throw EWriteError("组件嵌套太深，无法写入");
    }
    Component->SetWriting(true);
    try {
        Component->WriteState(this);
    } catch (...) {
        Component->SetWriting(false);
        --FNesting;
        throw;
    }
    Component->SetWriting(false);
    --FNesting;
}

void TWriter::WriteData(TComponent* Instance) {
    if (FRootAncestor) {
        WriteInheritedData(Instance);
        return;
    }
    // Without an ancestor only an embedded sub-root (a frame) carries a prefix: the reader
    // needs it to make the sub-root the owner of what its record holds.
    bool subRoot = Instance->ComponentState().Contains(csInline) && Instance != FRoot;
    if (subRoot) WriteValue(static_cast<TValueType>(0xF0 | ffInline));
    WriteStr(Instance->ClassName());
    WriteStr(Instance->Name());
    std::string savedPath = FPropPath;
    FPropPath.clear();
    WriteProperties(Instance);
    WriteListEnd();
    FPropPath = savedPath;
    if (!FIgnoreChildren) {
        TComponent* savedLookup = FLookupRoot;
        if (subRoot) FLookupRoot = Instance;
        const TGetChildProc write = [this](TComponent* child) { WriteComponent(child); };
        TComponent* root = subRoot ? Instance : FRoot;
        if (FView)
            FView->GetChildren(Instance, write, root);
        else
            Instance->GetChildren(write, root);
        FLookupRoot = savedLookup;
    }
    WriteListEnd();
}
