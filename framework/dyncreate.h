#ifndef FRAMEWORK_DYNCREATE_H
#define FRAMEWORK_DYNCREATE_H
// Run-time class records for classes that are not serialisable: DECLARE_DYNAMIC gives a
// class its record (for IsKindOf), DECLARE_DYNCREATE also lets the framework create it
// from the record (document templates and splitter panes create their classes so).
#include "framework/object.h"

#define DECLARE_DYNAMIC(class_name)                                                                                    \
public:                                                                                                                \
    static CRuntimeClass class##class_name;                                                                            \
    CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name)                                                                                  \
    DECLARE_DYNAMIC(class_name)                                                                                        \
    static CObject* CreateObject();

#define VELORA_RUNTIME_CLASS_BODY(class_name, base_class_name, pfnCreate)                                              \
    CRuntimeClass class_name::class##class_name = {#class_name, static_cast<int>(sizeof(class_name)), 0xFFFF,          \
                                                   pfnCreate,   RUNTIME_CLASS(base_class_name),       NULL};           \
    CRuntimeClass* class_name::GetRuntimeClass() const                                                                 \
    {                                                                                                                  \
        return RUNTIME_CLASS(class_name);                                                                              \
    }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) VELORA_RUNTIME_CLASS_BODY(class_name, base_class_name, NULL)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                                               \
    CObject* class_name::CreateObject()                                                                                \
    {                                                                                                                  \
        return new class_name;                                                                                         \
    }                                                                                                                  \
    VELORA_RUNTIME_CLASS_BODY(class_name, base_class_name, class_name::CreateObject)

#endif
