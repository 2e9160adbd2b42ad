#include "game/playfield/sprite_list.h"

#include "game/playfield/sprite.h"

CSpriteList::CSpriteList()
    : m_pHead(nullptr)
    , m_pTail(nullptr)
{
}

CSpriteList::~CSpriteList()
{
    DeleteAll();
}

void CSpriteList::Append(CSprite* sprite)
{
    sprite->m_pPrevious = m_pTail;
    sprite->m_pNext = nullptr;
    if (m_pTail != nullptr)
        m_pTail->m_pNext = sprite;
    else
        m_pHead = sprite;
    m_pTail = sprite;
}

void CSpriteList::Prepend(CSprite* sprite)
{
    sprite->m_pNext = m_pHead;
    sprite->m_pPrevious = nullptr;
    if (m_pHead != nullptr)
        m_pHead->m_pPrevious = sprite;
    else
        m_pTail = sprite;
    m_pHead = sprite;
}

// The old sprite's links are cleared, so nothing reaches the list through
// it and it may join a list again.
void CSpriteList::Replace(CSprite* oldSprite, CSprite* newSprite)
{
    newSprite->m_pNext = oldSprite->m_pNext;
    newSprite->m_pPrevious = oldSprite->m_pPrevious;
    if (newSprite->m_pNext != nullptr)
        newSprite->m_pNext->m_pPrevious = newSprite;
    if (newSprite->m_pPrevious != nullptr)
        newSprite->m_pPrevious->m_pNext = newSprite;
    if (m_pHead == oldSprite)
        m_pHead = newSprite;
    if (m_pTail == oldSprite)
        m_pTail = newSprite;
    oldSprite->m_pNext = nullptr;
    oldSprite->m_pPrevious = nullptr;
}

void CSpriteList::Unlink(CSprite* sprite)
{
    CSprite* member = m_pHead;
    while (member != nullptr && member != sprite)
        member = member->m_pNext;
    if (member != nullptr)
        Detach(sprite);
}

void CSpriteList::Detach(CSprite* sprite)
{
    if (sprite->m_pPrevious != nullptr)
        sprite->m_pPrevious->m_pNext = sprite->m_pNext;
    else
        m_pHead = sprite->m_pNext;
    if (sprite->m_pNext != nullptr)
        sprite->m_pNext->m_pPrevious = sprite->m_pPrevious;
    else
        m_pTail = sprite->m_pPrevious;
    sprite->m_pNext = nullptr;
    sprite->m_pPrevious = nullptr;
}

void CSpriteList::DeleteAll()
{
    while (m_pHead != nullptr)
    {
        CSprite* sprite = m_pHead;
        Detach(sprite);
        delete sprite;
    }
}

int32_t CSpriteList::Count() const
{
    int32_t count = 0;
    for (CSprite* sprite = m_pHead; sprite != nullptr; sprite = sprite->m_pNext)
        count++;
    return count;
}

void CSpriteList::Draw(CFrameInterface* frame)
{
    for (CSprite* sprite = m_pHead; sprite != nullptr; sprite = sprite->m_pNext)
        sprite->Draw(frame);
}

void CSpriteList::DrawShadows(CFrameInterface* frame)
{
    for (CSprite* sprite = m_pHead; sprite != nullptr; sprite = sprite->m_pNext)
        sprite->DrawShadow(frame);
}

void CSpriteList::DrawOverlays(CFrameInterface* frame)
{
    for (CSprite* sprite = m_pHead; sprite != nullptr; sprite = sprite->m_pNext)
        sprite->DrawOverlay(frame);
}

// The next link is read before each update: a sprite appended during the
// pass is updated in it, unless the sprite updating then was the tail.
void CSpriteList::UpdateAndReap()
{
    for (CSprite* sprite = m_pHead; sprite != nullptr;)
    {
        CSprite* next = sprite->m_pNext;
        sprite->Update();
        sprite = next;
    }
    for (CSprite* sprite = m_pHead; sprite != nullptr;)
    {
        CSprite* next = sprite->m_pNext;
        if (sprite->IsDead())
        {
            Detach(sprite);
            delete sprite;
        }
        sprite = next;
    }
}

bool CSpriteList::CollidePairs(SpritePairCallback first, void* firstData, CSpriteList& other, SpritePairCallback second,
                               void* secondData)
{
    bool touched = false;
    for (CSprite* a = m_pHead; a != nullptr; a = a->m_pNext)
    {
        if (!a->IsActive())
            continue;
        CSprite* b = &other == this ? a->m_pNext : other.m_pHead;
        for (; b != nullptr; b = b->m_pNext)
        {
            if (b == a || !a->Collides(b))
                continue;
            if (first != nullptr)
                first(a, b, firstData);
            if (second != nullptr)
                second(b, a, secondData);
            touched = true;
        }
    }
    return touched;
}
