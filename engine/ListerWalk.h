#ifndef OMBREL_LISTERWALK_H
#define OMBREL_LISTERWALK_H

#include "ListingExchange.h"

#include <windows.h>

#include <map>
#include <string>
#include <unordered_map>
#include <vector>

// The lister process's work: lists the folders of a tree into an exchange,
// two at a time, depth first and in the order of each listing, which is the
// order in which the run reaches them. What the run has gone past is left
// out; links and names the code page cannot show are not entered.
class ListerWalk {
public:
    ListerWalk(ListingExchange& exchange, HANDLE runProcess);
    ListerWalk(const ListerWalk&) = delete;
    ListerWalk& operator=(const ListerWalk&) = delete;
    ~ListerWalk();

    // Returns when the tree is listed, the run says stop, or it is gone.
    void Run(const char* root);

    // Whether a run whose last request was frontier has gone past folder
    // and all below it, judged by the order of the listings seen so far.
    bool Passed(const std::string& folder, const std::string& frontier);
    // Records the subfolders of folder, in the order of its listing.
    void Learn(const std::string& folder, const FolderIndex& listing);

private:
    // Where a folder comes in a depth-first walk: its index among its
    // parent's subfolders, and so on up; ordered as the walk reaches them.
    typedef std::vector<unsigned> Place;
    struct Node {
        std::string parent;
        Place place;
        std::vector<std::string> subfolders;
    };
    static DWORD WINAPI ThreadMain(void* self);
    void Serve();
    bool RunGone();
    bool PublishWhenRoom(const std::string& folder, const FolderIndex& listing, ULONGLONG doneAt);

    ListingExchange& exchange;
    HANDLE runProcess;
    CRITICAL_SECTION lock;
    CONDITION_VARIABLE changed;
    std::unordered_map<std::string, Node> nodes;
    // Folders to list, first the one the run will reach first.
    std::map<Place, std::string> pending;
    int working = 0;
    unsigned taken = 0;   // folders taken from pending
    bool ending = false;
};

#endif
