// The root of the framework's classes, with run-time class information for the classes
// that declare it (DECLARE_DYNAMIC / IMPLEMENT_DYNAMIC): a class name and its base.
#pragma once

#include "framework/AfxTypes.h"

class CObject;

struct CRuntimeClass {
    const char* m_lpszClassName;
    int m_nObjectSize;
    const CRuntimeClass* m_pBaseClass;

    bool IsDerivedFrom(const CRuntimeClass* base) const;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)               \
  public:                                         \
    static const CRuntimeClass class##class_name; \
    const CRuntimeClass* GetRuntimeClass() const override;

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                      \
    const CRuntimeClass class_name::class##class_name = {                                   \
        #class_name, static_cast<int>(sizeof(class_name)), RUNTIME_CLASS(base_class_name)}; \
    const CRuntimeClass* class_name::GetRuntimeClass() const {                              \
        return RUNTIME_CLASS(class_name);                                                   \
    }

class CObject {
  public:
    static const CRuntimeClass classCObject;

    virtual ~CObject() = default;
    virtual const CRuntimeClass* GetRuntimeClass() const;
    bool IsKindOf(const CRuntimeClass* runtimeClass) const;

  protected:
    CObject() = default;
};
