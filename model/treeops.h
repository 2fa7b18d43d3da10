#ifndef MODEL_TREEOPS_H
#define MODEL_TREEOPS_H

// Editing a tree of TreeNode objects by node id: find, replace children, graft a
// freshly decoded branch. No lock is taken: the caller keeps other threads off the
// tree while these run.

#include "model/treenode.h"
#include <vector>

// The first node in pre-order (start node first) whose node id is nNodeId, or null.
TreeNode* FindNodeById(TreeNode* pNode, int nNodeId);

// Deletes the node's children with their subtrees, then adopts the given ones.
void ReplaceChildren(TreeNode* pNode, const std::vector<TreeNode*>& children);

// ReplaceChildren on the node found by FindNodeById; when none is found the given
// nodes stay with the caller.
void FindAndReplaceChildren(TreeNode* pStart, int nNodeId, const std::vector<TreeNode*>& children);

// Puts pNewNode in place of the first node below pStart (pre-order) with the same
// node id and deletes the old one with its subtree: 1. The start node itself is never
// replaced (its owner holds it), so its own id counts as not found: 0, and nothing
// is deleted; the caller keeps pNewNode.
int MergeChildren(TreeNode* pStart, TreeNode* pNewNode);

#endif
