// A framework object that has a message table.
#pragma once

#include "framework/AfxMessageMap.h"
#include "framework/CObject.h"

class CCmdTarget : public CObject {
  public:
    // The first entry, in this class's table or a base's, that matches; nullptr for none.
    // For WM_COMMAND, code and id are the notification and the control id.
    const AFX_MSGMAP_ENTRY* FindEntry(UINT message, UINT code, UINT id) const;

  protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};
