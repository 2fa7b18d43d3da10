#ifndef VELORA_TASKS_TASKID_H
#define VELORA_TASKS_TASKID_H

// The ids the client gives its service tasks. A task class that does more than one job
// reads the id to know which: the login task logs in or binds, the node-list task
// loads the top-level categories or one node's children.
enum ETaskId {
    taskLogin = 0,
    taskBind = 1,
    taskRegister = 2,
    taskCategories = 3,
    taskNodeChildren = 4, // one node's children, or one category's whole subtree
    taskVersionCheck = 5,
    taskUserInfo = 6,
};

#endif
