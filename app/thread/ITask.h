#pragma once
// A unit of work that a worker thread runs: `run` is called on that thread.
//
// Deliberately not an IObject: tasks are usually objects that already derive
// from their own IObject interface (a window object, a thread), and a second
// IObject base would make their IObject pointer, which the pools depend on,
// ambiguous. A task is identified through the object that implements it.

namespace s::thread {

class ITask {
public:
    virtual ~ITask() = default;
    // The task body. Runs on the worker thread with no lock of the thread held.
    virtual void run() = 0;
};

}  // namespace s::thread
