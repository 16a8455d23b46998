#ifndef MODELOCOMPARTIDO_H
#define MODELOCOMPARTIDO_H

// The one process-wide instance of a table model: created with no parent on
// the first request and kept to the end of the run. Writes reload it only
// once somebody has asked for it.
template<class Model>
class ModeloCompartido
{
public:
    Model* get()
    {
        if (!m_model)
            m_model = new Model(nullptr);
        return m_model;
    }
    void refresh() const
    {
        if (m_model)
            m_model->refresh();
    }

private:
    Model* m_model = nullptr;
};

#endif // MODELOCOMPARTIDO_H
