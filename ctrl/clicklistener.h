#ifndef CTRL_CLICKLISTENER_H
#define CTRL_CLICKLISTENER_H

// What a skinned button tells its owner: the button's click id, on the press.
class IClickListener {
public:
    virtual ~IClickListener() = default;
    virtual void OnClick(int nId) = 0;
};

#endif
