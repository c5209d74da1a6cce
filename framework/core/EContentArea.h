#ifndef OMBREL_ECONTENTAREA_H
#define OMBREL_ECONTENTAREA_H

// The size of what a view shows; its scroll ranges follow from it.
class EContentArea {
public:
    virtual ~EContentArea() {}

    int contentWidth = 0;
    int contentHeight = 0;
};

#endif
